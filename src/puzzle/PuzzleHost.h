// The window as the puzzle room sees it: the puzzle state and a click on a quiz picture.
#pragma once

#include "common/Stage.h"
#include "puzzle/PuzzleState.h"

namespace tw {

class PuzzleHost : public virtual Stage
{
public:
    PuzzleState puzzle;

    // A picture tile clicked while a quiz (not a puzzle) is on the board
    // answers as a click on the answer tile of the same index.
    virtual void Answer_Click(int index) = 0;
};

} // namespace tw
