// The stored options as values: what the settings file holds and the option menus show.
#pragma once

#include <QString>

#include <array>

namespace tw {

// The stored options, one member per line of the file, in file order. Radio
// groups hold the checked item's menu index; flags hold 1 (checked) or 0.
// The initial values are those of a first run.
struct SettingsValues
{
    int AddMax = 0; // MNU_AddMax index 0..4
    int DivMax = 10; // MNU_DivMax index: times table
    int Letters = 3; // MNU_Letters index: word length
    int Limit = 0; // MNU_Limit index 0..4
    int MulMax = 3; // MNU_MulMax index: times table
    int Size = 0; // MNU_Size index 0..7, 12, 17
    int SpeakerCount = 0; // characters listed; the next line exists only when above 0
    int Speaker = 1; // MNU_SpkChr index of the chosen character
    int SubMax = 0; // MNU_SubMax index 0..4
    int Kbd = 1; // MNU_Kbd index 1..3
    int AddOn = 1, DivOn = 0, MulOn = 0, SpkOn = 0, SubOn = 0;
    std::array<int, 5> PairSubject {1, 1, 1, 1, 1};
    std::array<int, 5> SpellSubject {1, 1, 1, 1, 1};
    std::array<int, 3> Required {0, 0, 0}; // MNU_PsRq 1 to 3
    int LastGame = 0;
    QString BackdropFile;
    QString StoredPassword;
    int ColourBlackWhite = 1; // MNU_Color 0
    int Colour = 0; // MNU_Color 1

    bool operator==(const SettingsValues &) const = default;
};

} // namespace tw
