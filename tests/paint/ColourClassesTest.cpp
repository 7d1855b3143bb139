// The colouring book's colour classes: reduction, classes, and a new step over what is shown.
#include "paint/ColourClasses.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr int kFine = 25;
constexpr int kCoarse = 120;

// A 40 x 20 picture: white left half, in the right half two red squares apart and
// a blue bar between them.
QImage twoRedSquares()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < 8; ++y)
        for (int x = 22; x < 28; ++x) {
            image.setPixel(x, y, qRgb(200, 10, 10));
            image.setPixel(x + 10, y + 10, qRgb(210, 20, 5)); // the same after reduction
        }
    for (int y = 0; y < 20; ++y)
        image.setPixel(30, y, qRgb(0, 0, 255));
    return image;
}

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
    EXPECT_EQ(colourMapStep(0), kFine);
    EXPECT_EQ(colourMapStep(4), kCoarse);
    EXPECT_EQ(colourMapStep(9), 75); // anything else: "Medium"
}

TEST(ColourClasses, ANewStepStartsAgainFromWhatIsShown)
{
    QImage shown = twoRedSquares();
    ColourClasses classes;
    classes.build(shown, kCoarse);
    EXPECT_EQ(classes.colourAt({40, 3}, 0x3CC8E6, shown), 0); // off the picture
    EXPECT_NE(classes.colourAt({23, 3}, 0x3CC8E6, shown), 0); // a light orange: E6, C8, 3C
    classes.build(shown, kFine);
    EXPECT_EQ(shown.pixel(33, 13), qRgb(225, 200, 50)); // the orange, reduced by 25
    EXPECT_EQ(shown.pixel(30, 1), qRgb(0, 0, 225)); // 255 shown as 240 by the coarse step
    EXPECT_EQ(classes.count(), 2);
}

} // namespace
} // namespace tw
