// The settings file and the option menus of the shell.
#pragma once

#include "common/MenuId.h"
#include "shell/SettingsFile.h"

#include <QString>

namespace tw {

class Educate;

class Settings
{
public:
    explicit Settings(Educate &window);

    // Reads the settings file and re-applies each option through its menu's
    // Click handler; a missing or broken file gives the first-run options.
    void LoadData();
    // Writes the options to the settings file, replacing it atomically.
    // False (after telling the user where) when the file cannot be written.
    bool SaveData();
    // Full path of the settings file.
    QString settingsPath() const;

    // The options as they stand in the menus, and applying stored ones.
    SettingsValues currentValues() const;
    void apply(const SettingsParse &read);
    void applyDefaults();

    // Option menus. Those asking for the password use requirement 2
    // ("Required to Change &Settings"); a refusal changes nothing.
    void MNU_Limit_Click(int index);
    void MNU_Size_Click(int index);
    void MNU_Kbd_Click(int index);
    void MNU_Subject_Click(int index);
    void MNU_SpellSubject_Click(int index);
    void MNU_PairSubject_Click(int index);
    void MNU_Letters_Click(int index);
    // The arithmetic ranges and operator switches (the check marks; the sums
    // read them when a deal is made).
    void MNU_AddMax_Click(int index);
    void MNU_SubMax_Click(int index);
    void MNU_MulMax_Click(int index);
    void MNU_DivMax_Click(int index);
    void MNU_AddOn_Click();
    void MNU_SubOn_Click();
    void MNU_MulOn_Click();
    void MNU_DivOn_Click();

private:
    // Checks item `index` of radio group `name` after the password check;
    // false when refused or when the group has no such item.
    bool chooseOption(MenuId name, int index);
    void toggleOperator(MenuId name);
    // At least one arithmetic operator is always on: addition when none is.
    void keepAnOperatorOn();
    Educate &m_window;
};

} // namespace tw
