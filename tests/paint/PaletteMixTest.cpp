// The mixing tile blends toward the last plain colour, one step per move.
#include "paint/PaletteMix.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// At its target a byte wobbles between the target and one below; 0 stays 0.
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

} // namespace
} // namespace tw
