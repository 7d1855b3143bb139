// The quiz room's state: the item tables, the question being asked, each game's own counters.
#pragma once

#include "common/Constants.h"

#include <QString>

#include <array>

namespace tw {

struct QuizState
{
    int QuestionTile = 1;
    int AwaitingAnswer = 0;
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

} // namespace tw
