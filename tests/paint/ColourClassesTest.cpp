// The colouring book's colour classes: how colours reduce, and where a click finds no class.
#include "paint/ColourClasses.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr int kFine = 25;
constexpr int kCoarse = 120;

TEST(ColourClasses, ReducesEachByteToItsStepAndTreatsReducedWhiteAsWhite)
{
    struct Case
    {
        std::uint32_t bgr;
        int step;
        std::uint32_t reduced;
    };
    const Case cases[] = {
        {0x77F078, kCoarse, 0x00F078}, // 119 -> 0, 240 -> 240, 120 -> 120
        {0xF0F0EF, kCoarse, 0xF0F078}, // one byte below the reduced white
        {0xF0F5FA, kCoarse, kClassWhite}, // every byte 240 or more: white
        {0xFAFAFA, kFine, kClassWhite}, // 250 is the reduced white of 25
        {0xF9FAFA, kFine, 0xE1FAFA},
    };
    for (const Case &c : cases)
        EXPECT_EQ(reduceColour(c.bgr, c.step), c.reduced) << std::hex << c.bgr << " " << c.step;
}

TEST(ColourClasses, APointOffThePictureHasNoClass)
{
    QImage shown(40, 20, QImage::Format_RGB32);
    shown.fill(Qt::red);
    ColourClasses classes;
    classes.build(shown, kCoarse);
    EXPECT_NE(classes.colourAt({23, 3}, 0x3CC8E6, shown), 0);
    EXPECT_EQ(classes.colourAt({40, 3}, 0x3CC8E6, shown), 0);
}

} // namespace
} // namespace tw
