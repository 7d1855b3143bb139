// Where the pens and effect brushes lay their dots along one mouse move, and how the
// mixing tile steps toward the last plain colour.
#include "paint/Brushes.h"
#include "paint/PaletteMix.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Brushes, APenTrailRunsWithoutGapsFromThePreviousPointToTheNew)
{
    const BrushMove cases[] = {
        {QPoint(150, 150), QPointF(1500, 450), 15, 15},
        {QPoint(3000, 15), QPointF(30, 2985), 15, 15},
        {QPoint(300, 300), QPointF(300, 300), 15, 15}, // no move: the previous point
    };
    for (const BrushMove &m : cases) {
        const std::vector<QPoint> trail = penTrail(m);
        ASSERT_FALSE(trail.empty());
        EXPECT_EQ(trail.front(), pixelOf(m.last, 15, 15));
        EXPECT_EQ(trail.back(), pixelOf(m.to, 15, 15));
        for (size_t i = 1; i < trail.size(); ++i) {
            const QPoint step = trail[i] - trail[i - 1];
            EXPECT_LE(std::max(std::abs(step.x()), std::abs(step.y())), 1);
        }
    }
}

// A move of length 0 still lays one ring or dash, centred on the previous point.
TEST(Brushes, EffectBrushesLayTheirPatternAtThePreviousPointWhenTheMouseStays)
{
    Random random(3);
    const BrushMove still {QPoint(600, 450), QPointF(600, 450), 15, 15};
    const QPoint centre(40, 30);
    for (int n = 0; n < 20; ++n) {
        const std::vector<QPoint> ring = ringDots(still, 18, random);
        ASSERT_FALSE(ring.empty());
        for (const QPoint &dot : ring) // one diamond ring
            EXPECT_EQ((dot - centre).manhattanLength(), (ring.front() - centre).manhattanLength());
        EXPECT_FALSE(slantDots(still, n % 2 == 0, random).empty());
    }
}

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
