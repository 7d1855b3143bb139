// How the quiz grids shrink and grow to fit the content a game finds.
#include "quiz/GridPlan.h"

#include <gtest/gtest.h>

using namespace tw;

namespace {

GridPlan deal(int side) { return {GridPlan::Deal, side}; }
GridPlan resize(int side) { return {GridPlan::Resize, side}; }
GridPlan widen(int side) { return {GridPlan::Widen, side}; }
const GridPlan giveUp {GridPlan::GiveUp, 0};

// The grid side a game has, the items or pictures it found, whether it can
// still widen its choice (Words) or has every subject in (Pairs), and the plan.
struct Case
{
    int side, found;
    bool flag;
    GridPlan want;
};

} // namespace

TEST(GridPlan, OneItemPerTile)
{
    const Case cases[] = {
        {5, 20, false, resize(4)}, // 20 flags on 5 x 5 become 4 x 4
        {3, 9, false, deal(3)},    {3, 5, false, resize(2)},
        {3, 8, false, resize(2)}, // 8 sounds cannot fill 9 cards
        {2, 5, false, deal(2)}, // the restarted game fits
        {3, 100, false, deal(3)}, // a small grid never grows
        {3, 3, false, giveUp}, // not even 2 x 2
    };
    for (const Case &c : cases)
        EXPECT_EQ(planItemGrid(c.side, c.found), c.want) << c.side << " " << c.found;
}

TEST(GridPlan, WordsWidenThenShrink)
{
    const Case cases[] = {
        {3, 9, true, deal(3)},
        {3, 2, true, widen(3)},
        {5, 12, true, resize(3)},
        {4, 9, false, resize(3)},
        // Nothing left to widen: a 2 x 2 game with 4 to 8 pictures, a message below that.
        {3, 5, false, resize(2)},
        {2, 5, false, deal(2)},
        {3, 3, false, giveUp},
        {2, 0, false, giveUp},
    };
    for (const Case &c : cases)
        EXPECT_EQ(planWordGrid(c.side, c.found, c.flag), c.want) << c.side << " " << c.found;
}

TEST(GridPlan, PairsGrids)
{
    const Case cases[] = {
        {3, 100, false, resize(4)}, // odd number of cards: one side more
        {5, 100, false, resize(6)},
        {4, 16, false, deal(4)},
        {4, 10, false, widen(4)}, // 3 x 3 pictures' worth: one more subject
        {8, 30, false, resize(4)},
        {8, 40, false, resize(6)},
        // Every subject checked: the pairs the pictures fill.
        {4, 10, true, deal(4)},
        {6, 12, true, resize(4)},
        {4, 5, true, resize(2)},
        {2, 3, true, deal(2)},
        {4, 1, true, giveUp},
    };
    for (const Case &c : cases)
        EXPECT_EQ(planPairsGrid(c.side, c.found, c.flag), c.want) << c.side << " " << c.found;
}
