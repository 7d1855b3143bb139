// The rules that fit a quiz grid to the content a game finds.
#pragma once

namespace tw {

// What a loader does next: deal on the grid it has, restart on a grid of
// side `side`, restart after widening the choice of pictures, or give up
// because the content cannot fill even the smallest grid.
struct GridPlan
{
    enum Kind { Deal, Resize, Widen, GiveUp };
    Kind kind = GiveUp;
    int side = 0;
    bool operator==(const GridPlan &o) const { return kind == o.kind && side == o.side; }
};

// The smallest grid a quiz is played on: 2 x 2 (a 1 x 1 grid has no question).
constexpr int kSmallestSide = 2;

// One item per tile (Flags, Hide and Seek): the grid shrinks to the largest
// square that the items fill.
GridPlan planItemGrid(int side, int items);

// Spelling and Words: with 9 or more pictures the grid shrinks to them; with
// fewer the choice widens while it still can, then the grid shrinks to 2 x 2.
GridPlan planWordGrid(int side, int pictures, bool canWiden);

// Pairs: an even number of cards, one picture per card when the subjects
// allow; odd sides grow by one. When every subject is already in, the grid is
// the largest even one (4 or 2) whose pairs the pictures fill.
GridPlan planPairsGrid(int side, int pictures, bool allSubjectsChecked);

} // namespace tw
