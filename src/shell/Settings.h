// The settings file and the option menus of the shell.
#pragma once

#include <QString>

namespace tw {

class Educate;

class Settings
{
public:
    explicit Settings(Educate &window);

    void LoadData();
    void SaveData();
    // Full path of the settings file.
    QString settingsPath() const;

    void MNU_Limit_Click(int index);
    void MNU_Size_Click(int index);
    void MNU_Kbd_Click(int index);
    void MNU_Subject_Click(int index);
    void MNU_SpellSubject_Click(int index);
    void MNU_PairSubject_Click(int index);

private:
    Educate &m_window;
};

} // namespace tw
