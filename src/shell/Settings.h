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

    // Reads the settings file into the option values and shows them in the
    // menus; a missing or broken file gives the first-run options.
    void LoadData();
    // Writes the option values to the settings file, replacing it atomically.
    // False (after telling the user where) when the file cannot be written.
    bool SaveData();
    // Full path of the settings file.
    QString settingsPath() const;

    // The stored options: the one place the menu options are kept; the menus
    // show them.
    const SettingsValues &values() const { return m_values; }
    // Everything the file stores: the options with the character count, the
    // last game, the backdrop and the password as the window holds them now.
    SettingsValues currentValues() const;
    // Replaces the options and shows them in the menus.
    void setValues(const SettingsValues &values);

    // Option menus. Those asking for the password use requirement 2
    // ("Required to Change &Settings"); a refusal changes nothing.
    void MNU_Limit_Click(int index);
    void MNU_Size_Click(int index);
    void MNU_Kbd_Click(int index);
    void MNU_Subject_Click(int index);
    void MNU_SpellSubject_Click(int index);
    void MNU_PairSubject_Click(int index);
    void MNU_Letters_Click(int index);
    // The arithmetic ranges and operator switches (the sums read them when a
    // deal is made).
    void MNU_AddMax_Click(int index);
    void MNU_SubMax_Click(int index);
    void MNU_MulMax_Click(int index);
    void MNU_DivMax_Click(int index);
    void MNU_AddOn_Click();
    void MNU_SubOn_Click();
    void MNU_MulOn_Click();
    void MNU_DivOn_Click();
    // The printer's "&Black and White" (0) and "&Color" (1), stored as two
    // flags of which the click leaves one on; asks no password.
    void MNU_Color_Click(int index);

private:
    // Sets option `field` to item `index` of radio group `name` after the
    // password check; false when refused or when the group has no such item.
    bool chooseOption(MenuId name, int index, int SettingsValues::*field);
    // Turns a flag over after the password check (an operator stays on).
    void toggle(MenuId name, int index, int &flag);
    // Shows the options in the menus; not while a load is applying them one by one.
    void show();
    SettingsValues m_values;
    bool m_loading = false;
    Educate &m_window;
};

} // namespace tw
