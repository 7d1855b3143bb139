// The settings file "Settings.dta" as text: reading and writing without widgets.
#pragma once

#include <QByteArray>
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

// The values in file order, for telling how far a read got.
enum class SettingsField {
    AddMax,
    DivMax,
    Letters,
    Limit,
    MulMax,
    Size,
    SpeakerCount,
    Speaker,
    SubMax,
    Kbd,
    AddOn,
    DivOn,
    MulOn,
    SpkOn,
    SubOn,
    Pair1,
    Pair2,
    Pair3,
    Pair4,
    Pair5,
    Spell1,
    Spell2,
    Spell3,
    Spell4,
    Spell5,
    Required1,
    Required2,
    Required3,
    LastGame,
    BackdropFile,
    StoredPassword,
    ColourBlackWhite,
    Colour,
    Count
};

struct SettingsParse
{
    SettingsValues values; // fields not read keep their first-run values
    // Fields read and valid, in file order; Speaker counts as read when the
    // file holds no character line. Reading stops at the first bad field.
    int fieldsRead = 0;
    bool complete() const { return fieldsRead == int(SettingsField::Count); }
    bool has(SettingsField f) const { return int(f) < fieldsRead; }
};

// Files and lines beyond these sizes are not settings files.
constexpr qsizetype kSettingsMaxFileBytes = 64 * 1024;
constexpr qsizetype kSettingsMaxLineChars = 4 * 1024;

// Reads the text of a settings file. Numbers may have spaces around them; a
// number outside its menu's indices is a bad field. Strings run to the end of
// the line or to the first comma. Lines may end in CR LF or LF.
SettingsParse parseSettings(const QByteArray &text);

// Writes the text of a settings file: CR LF line ends, non-negative numbers
// with a leading space, strings without quotes.
QByteArray writeSettings(const SettingsValues &values);

} // namespace tw
