// The Number Counting game: one to nine copies of a picture laid out like
// the pips of a die, answered by the tile with that number.
#pragma once

#include "quiz/LoadOutcome.h"

#include <vector>

namespace tw {

class QuizHost;

// The cells (1 to 9, row by row over a 3 x 3 block) a die pattern shows for
// `number` (1 to 9); empty for any other number.
std::vector<int> diceCells(int number);

class NumbersGame
{
public:
    explicit NumbersGame(QuizHost &window);

    // Deals 8 different numbers with 8 pictures onto the 3 x 3 grid.
    LoadOutcome LoadNumbers();
    // Shows the copies of the current question's picture over its tile.
    void DoNumbers();

    // Numbers 1 to 9: a deal fits the 3 x 3 grid.
    static constexpr int kLargestNumber = 9;
    static constexpr int kCells = 9;
    static constexpr int kSpellSubjects = 5;

private:
    QuizHost &m_window;
};

} // namespace tw
