// The settings file "Settings.dta" as text: reading and writing without widgets.
#pragma once

#include "common/SettingsValues.h"

#include <QByteArray>
#include <QString>

namespace tw {

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
