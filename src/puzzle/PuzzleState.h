// The state of the jigsaw and sliding puzzles: which piece lies where.
#pragma once

#include "puzzle/Board.h"

namespace tw {

struct PuzzleState
{
    int PuzzleKind = 0; // 1 jigsaw, 2 sliding, 0 no puzzle
    int PuzzleRefused = 0; // 1: the picture could not be cut for this grid
    // PieceAt[slot] is the piece lying in board slot `slot` (1 to N).
    PieceTable PieceAt {};
    int BlankSlot = 0; // the sliding puzzle's empty slot
    int Shuffling = 0; // 1 while the sliding puzzle is being mixed
};

} // namespace tw
