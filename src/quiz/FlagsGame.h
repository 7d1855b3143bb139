// The Flags game: flag pictures and their names on a grid the flags fill.
#pragma once

#include "quiz/LoadOutcome.h"

namespace tw {

class QuizHost;

class FlagsGame
{
public:
    explicit FlagsGame(QuizHost &window);

    // Lists the flags and deals them, or restarts on the largest grid they fill.
    LoadOutcome LoadFlags();

    // The Flags subject folder is subject 5.
    static constexpr int kFlagsSubject = 5;

private:
    QuizHost &m_window;
};

} // namespace tw
