// The mixing tile blends toward the last plain colour, one step per move.
#include "paint/PaletteMix.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(PaletteMix, EachByteStepsTowardItsTarget)
{
    struct Case
    {
        int current, target, next;
    };
    const Case cases[] = {{10, 20, 11}, {30, 20, 29}, {20, 20, 19}, {19, 20, 20},
                          {0, 0, 0},    {0, 255, 1},  {255, 0, 254}};
    for (const Case &c : cases)
        EXPECT_EQ(mixByteToward(c.current, c.target), c.next) << c.current << "->" << c.target;
}

TEST(PaletteMix, HoldingTheButtonBlendsIntoTheTargetAndThenWobbles)
{
    MixColour mix = mixFromValue(16777215); // white
    const long red = 255;
    for (int i = 0; i < 300; ++i)
        mix = mixToward(mix, red);
    // At the target a byte alternates between it and one below; 0 stays 0.
    EXPECT_EQ(mix.red, 255);
    EXPECT_EQ(mix.green, 0);
    EXPECT_EQ(mix.blue, 0);
    const MixColour next = mixToward(mix, red);
    EXPECT_EQ(next.red, 254);
    EXPECT_EQ(next.green, 0);
    EXPECT_EQ(mixToward(next, red).red, 255);
}

TEST(PaletteMix, ValuesRoundTrip)
{
    const MixColour m = mixFromValue(9267705); // Plum: 249, 105, 141
    EXPECT_EQ(m.red, 249);
    EXPECT_EQ(m.green, 105);
    EXPECT_EQ(m.blue, 141);
    EXPECT_EQ(valueFromMix(m), 9267705);
}

} // namespace
} // namespace tw
