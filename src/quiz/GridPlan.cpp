#include "quiz/GridPlan.h"

#include "quiz/GameDraws.h"

namespace tw {

namespace {

// With this many pictures Spelling and Words shrink the grid instead of
// widening the choice (the 3 x 3 grid needs 9).
constexpr int kWordsShrinkFrom = 9;
// Pairs grows a small odd side into a choice of more subjects below this.
constexpr int kPairsSmallOdd = 5;

GridPlan resizeOrDeal(int side, int wanted)
{
    return wanted == side ? GridPlan {GridPlan::Deal, side} : GridPlan {GridPlan::Resize, wanted};
}

} // namespace

GridPlan planItemGrid(int side, int items)
{
    if (side >= kSmallestSide && side * side <= items)
        return {GridPlan::Deal, side};
    const int fit = fittingSide(items);
    if (fit < kSmallestSide)
        return {GridPlan::GiveUp, 0};
    return resizeOrDeal(side, fit);
}

GridPlan planWordGrid(int side, int pictures, bool canWiden)
{
    if (side >= kSmallestSide && side * side <= pictures)
        return {GridPlan::Deal, side};
    if (pictures >= kWordsShrinkFrom)
        return resizeOrDeal(side, fittingSide(pictures));
    if (canWiden)
        return {GridPlan::Widen, side};
    if (pictures >= kSmallestSide * kSmallestSide)
        return resizeOrDeal(side, kSmallestSide);
    return {GridPlan::GiveUp, 0};
}

GridPlan planPairsGrid(int side, int pictures, bool allSubjectsChecked)
{
    if (side < 1)
        side = 1;
    if ((side * side) % 2 != 0)
        return {GridPlan::Resize, side + 1};
    if (side * side <= pictures)
        return {GridPlan::Deal, side};
    const int r = fittingSide(pictures);
    if (r % 2 == 0 && r >= kSmallestSide)
        return resizeOrDeal(side, r);
    if (r % 2 != 0 && r >= kPairsSmallOdd)
        return resizeOrDeal(side, r - 1);
    if (!allSubjectsChecked)
        return {GridPlan::Widen, side};
    // Every subject is in: settle for a grid whose pairs the pictures fill.
    for (int s = 4; s >= kSmallestSide; s -= 2)
        if (s * s / 2 <= pictures)
            return resizeOrDeal(side, s);
    return {GridPlan::GiveUp, 0};
}

} // namespace tw
