#include "shell/Settings.h"

#include "shell/Educate.h"

namespace tw {

Settings::Settings(Educate &window) : m_window(window) { }

void Settings::LoadData() { }
void Settings::SaveData() { }
QString Settings::settingsPath() const
{
    return m_window.shell.WriteFolder + QStringLiteral("Settings.dta");
}
void Settings::MNU_Limit_Click(int) { }
void Settings::MNU_Size_Click(int index)
{
    m_window.shell.GridMax = index + 2;
}
void Settings::MNU_Kbd_Click(int) { }
void Settings::MNU_Subject_Click(int) { }
void Settings::MNU_SpellSubject_Click(int) { }
void Settings::MNU_PairSubject_Click(int) { }

} // namespace tw
