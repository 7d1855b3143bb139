#include "shell/Settings.h"
#include "common/Constants.h"
#include "common/MenuId.h"

#include "platform/SafeFile.h"
#include "quiz/ArithmeticGame.h"
#include "quiz/LettersGame.h"
#include "quiz/PictureLibrary.h"
#include "quiz/QuizGames.h"
#include "shell/Educate.h"
#include "shell/MenuBar.h"
#include "shell/PasswordLock.h"
#include "speech/Speaker.h"

#include <QDir>

#include <algorithm>

namespace tw {

namespace {

constexpr int kSecondsPerLimitStep = 15;
constexpr int kPuzzleSizeToGridMax = 2;
constexpr int kSubjectItems = 10;
constexpr int kMaxCharacters = 10;
// At least one arithmetic operator is always on: addition when none is.
void keepAnOperatorOn(SettingsValues &v)
{
    if (v.AddOn != 1 && v.SubOn != 1 && v.MulOn != 1 && v.DivOn != 1)
        v.AddOn = 1;
}

} // namespace

Settings::Settings(Educate &window)
    : m_window(window)
{
    // Until a character is prepared the speech switch stands as the menu
    // starts it: on.
    m_values.SpkOn = 1;
    show();
}

QString Settings::settingsPath() const
{
    return m_window.shell.WriteFolder + QStringLiteral("Settings.dta");
}

void Settings::setValues(const SettingsValues &values)
{
    m_values = values;
    show();
}

void Settings::show()
{
    if (!m_loading)
        m_window.menus().showOptions(m_values, m_window.speech.SpeakerCount);
}

void Settings::LoadData()
{
    SettingsParse read;
    const FileBytes file = readRegularFile(settingsPath(), kSettingsMaxFileBytes);
    if (file.ok())
        read = parseSettings(file.bytes);
    // A file that stops short gives the first-run options, all of them.
    const SettingsValues v = read.complete() ? read.values : SettingsValues();

    // The speech switch tells the truth: it stays as the start-up found it
    // (on only when a character talks) unless the parent had switched it off.
    const int speechOn = m_values.SpkOn;
    m_window.shell.LastGame = v.LastGame;
    m_window.shell.BackdropFile = v.BackdropFile;
    // The password goes last, so that the handlers below never ask for it.
    m_window.password().StoredPassword.clear();
    m_values = v;
    m_values.SpkOn = speechOn;
    m_values.Speaker = 1;
    keepAnOperatorOn(m_values);
    m_loading = true;
    // The handlers derive what the games use from each option (the grid,
    // the clock's limit, the word length and the sums' ranges).
    MNU_AddMax_Click(v.AddMax);
    MNU_DivMax_Click(v.DivMax);
    MNU_Letters_Click(v.Letters);
    MNU_Limit_Click(v.Limit);
    MNU_MulMax_Click(v.MulMax);
    MNU_Size_Click(v.Size);
    MNU_SubMax_Click(v.SubMax);
    MNU_Kbd_Click(v.Kbd);
    if (v.SpeakerCount > 0)
        m_window.speaker().MNU_SpkChr_Click(v.Speaker);
    if (read.complete() && v.SpkOn == 0 && m_values.SpkOn == 1)
        m_window.speaker().AgentTer();
    m_window.password().StoredPassword = v.StoredPassword;
    m_loading = false;
    show();
    m_window.shell.SettingsRead = true;
}

SettingsValues Settings::currentValues() const
{
    SettingsValues v = m_values;
    v.SpeakerCount = std::clamp(m_window.speech.SpeakerCount, 0, kMaxCharacters);
    v.LastGame = m_window.shell.LastGame;
    v.BackdropFile = m_window.shell.BackdropFile;
    v.StoredPassword = m_window.password().StoredPassword;
    return v;
}

bool Settings::SaveData()
{
    const QString path = settingsPath();
    if (replaceFile(path, writeSettings(currentValues())))
        return true;
    m_window.platform().dialogs->message(&m_window,
                                         QStringLiteral("Your settings could not be saved in %1.\n"
                                                        "The options you chose will be forgotten.")
                                             .arg(QDir::toNativeSeparators(path)),
                                         Dialogs::Icon::Warning);
    return false;
}

bool Settings::chooseOption(MenuId name, int index, int SettingsValues::*field)
{
    if (!m_window.menus().item(name, index)
        || !m_window.password().CheckPass(PasswordRequirement::Settings))
        return false;
    m_values.*field = index;
    show();
    return true;
}

void Settings::toggle(MenuId name, int index, int &flag)
{
    if (!m_window.menus().item(name, index)
        || !m_window.password().CheckPass(PasswordRequirement::Settings))
        return;
    flag = flag == 1 ? 0 : 1;
    keepAnOperatorOn(m_values);
    show();
}

void Settings::MNU_Limit_Click(int index)
{
    if (chooseOption(MenuId::MNU_Limit, index, &SettingsValues::Limit))
        m_window.shell.TimeLimit = index * kSecondsPerLimitStep;
}

void Settings::MNU_Size_Click(int index)
{
    if (!m_window.menus().item(MenuId::MNU_Size, index)
        || !m_window.password().CheckPass(PasswordRequirement::Settings))
        return;
    m_window.UnloadGame();
    m_values.Size = index;
    show();
    m_window.shell.GridMax = index + kPuzzleSizeToGridMax;
}

void Settings::MNU_Kbd_Click(int index)
{
    chooseOption(MenuId::MNU_Kbd, index, &SettingsValues::Kbd);
}

void Settings::MNU_Subject_Click(int index)
{
    if (index < 0 || index >= kSubjectItems)
        return;
    m_window.menus().checkOnly(MenuId::MNU_Subject, index);
    m_window.pictures().DoFiles(index + 1);
}

void Settings::MNU_SpellSubject_Click(int index)
{
    if (index >= 1 && index <= int(m_values.SpellSubject.size()))
        toggle(MenuId::MNU_SpellSubject, index, m_values.SpellSubject[index - 1]);
}

void Settings::MNU_PairSubject_Click(int index)
{
    if (index >= 1 && index <= int(m_values.PairSubject.size()))
        toggle(MenuId::MNU_PairSubject, index, m_values.PairSubject[index - 1]);
}

// The word-length and arithmetic ranges belong to their games, which also
// keep the values (WordLength, AddMax ...) the menus stand for.
void Settings::MNU_Letters_Click(int index) { m_window.games().letters().MNU_Letters_Click(index); }

void Settings::MNU_AddMax_Click(int index)
{
    m_window.games().arithmetic().MNU_AddMax_Click(index);
}

void Settings::MNU_SubMax_Click(int index)
{
    m_window.games().arithmetic().MNU_SubMax_Click(index);
}

void Settings::MNU_MulMax_Click(int index)
{
    m_window.games().arithmetic().MNU_MulMax_Click(index);
}

void Settings::MNU_DivMax_Click(int index)
{
    m_window.games().arithmetic().MNU_DivMax_Click(index);
}

void Settings::MNU_AddOn_Click() { toggle(MenuId::MNU_AddOn, -1, m_values.AddOn); }

void Settings::MNU_SubOn_Click() { toggle(MenuId::MNU_SubOn, -1, m_values.SubOn); }

void Settings::MNU_MulOn_Click() { toggle(MenuId::MNU_MulOn, -1, m_values.MulOn); }

void Settings::MNU_DivOn_Click() { toggle(MenuId::MNU_DivOn, -1, m_values.DivOn); }

void Settings::MNU_Color_Click(int index)
{
    if (!m_window.menus().item(MenuId::MNU_Color, index))
        return;
    m_values.ColourBlackWhite = index == 0 ? 1 : 0;
    m_values.Colour = index == 1 ? 1 : 0;
    show();
}

} // namespace tw
