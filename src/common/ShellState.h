// The state every room shares: folders, the game being played, the grid, the clock flags.
#pragma once

#include "common/Constants.h"

#include <QImage>
#include <QString>

#include <array>

namespace tw {

struct ShellState
{
    QString AppFolder; // content folder, with a trailing '/'
    QString WriteFolder; // where the program writes files, trailing '/'
    std::array<QString, 11> SubjectFolder; // "Misc/", "Animals/", ...
    int SubjectCount = 5;
    std::array<QString, 6> Exclaim;
    int LastGame = 0;
    int CurrentGame = -1;
    bool Loading = false;
    long QuestionStart = 0; // whole seconds since midnight
    int TimeLimit = 0; // seconds, 0 = no limit
    int GridMax = 2; // grid dimension minus one
    QString BackdropFile;
    QImage NextPicture; // last picture GetRandPic loaded
    int WordLength = 3;
    int CardsCleared = 0;
    // Counts the deals: every clearing of the play area adds one. Code that
    // waits (Delay, a sound, the character) notes it first and stops when it
    // changed: the tiles it knew are gone.
    long Deal = 0;
    // Clock
    int TickCount = 0;
    bool PaintDone = false;
    bool RepaintPending = false;
    bool PenDown = false;
    // Settings
    bool SettingsRead = false;
    // The hourglass pointer: the engine's busy flag while marking or asking.
    bool Hourglass = false;
    // What the board shows: "Sounds", "Letters", "Puzzle" ... (empty: nothing).
    QString CurrentSubject;
};

} // namespace tw
