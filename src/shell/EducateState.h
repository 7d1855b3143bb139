// The main window's shared state, grouped by the room that owns it.
#pragma once

#include "common/Constants.h"
#include "paint/PaintState.h"
#include "puzzle/PuzzleState.h"

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
    bool LoadTimeout = false;
    bool PaintDone = false;
    bool RepaintPending = false;
    bool PenDown = false;
    // Settings
    bool SettingsRead = false;
    // The hourglass pointer: the engine's busy flag while marking or asking.
    bool Hourglass = false;
};

struct QuizState
{
    int QuestionTile = 1;
    int AwaitingAnswer = 0;
    QString CurrentSubject;
    std::array<long, kTableSize> ItemValue {};
    std::array<QString, kTableSize> ItemText;
    std::array<QString, kTableSize> PictureList;
    std::array<QString, kTableSize> FileList;
    std::array<QString, kTableSize> SoundList;
    // Scratch table of drawn samples.
    std::array<int, kTableSize> SampleUsed {};
    // Arithmetic ranges: largest addend, largest number subtracted from,
    // times tables 2 to MulMax + 1, divisors 2 to DivMax + 1.
    int AddMax = 10;
    int SubMax = 10;
    int MulMax = 1;
    int DivMax = 1;
    // Spelling: the subject it switches on next when it finds too few pictures.
    int SpellSubjectNext = 0;
    // Pairs: cards removed in this deal, and the card waiting for its partner.
    int PairsFound = 0;
    bool PairOpen = false;
    QString PairOpenName;
    int PairOpenIndex = 0;
    // Hide and Seek: which question tiles have been answered, and how many.
    std::array<int, kTableSize> HideFound {};
    int HideFoundCount = 0;
};

struct SpeechState
{
    bool SpeakerLoaded = false;
    int SpeakerCount = 0;
};

} // namespace tw
