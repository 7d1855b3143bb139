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
const MenuId kOperatorSwitches[]
    = {MenuId::MNU_AddOn, MenuId::MNU_SubOn, MenuId::MNU_MulOn, MenuId::MNU_DivOn};

int flag(bool on) { return on ? 1 : 0; }

} // namespace

Settings::Settings(Educate &window)
    : m_window(window)
{ }

QString Settings::settingsPath() const
{
    return m_window.shell.WriteFolder + QStringLiteral("Settings.dta");
}

void Settings::LoadData()
{
    SettingsParse read;
    const FileBytes file = readRegularFile(settingsPath(), kSettingsMaxFileBytes);
    if (file.ok())
        read = parseSettings(file.bytes);

    apply(read);
    if (!read.complete())
        applyDefaults();
    m_window.shell.SettingsRead = true;
}

void Settings::apply(const SettingsParse &read)
{
    using F = SettingsField;
    const SettingsValues &v = read.values;
    MenuBar &m = m_window.menus();

    const std::pair<F, void (Settings::*)(int)> options[]
        = {{F::AddMax, &Settings::MNU_AddMax_Click},   {F::DivMax, &Settings::MNU_DivMax_Click},
           {F::Letters, &Settings::MNU_Letters_Click}, {F::Limit, &Settings::MNU_Limit_Click},
           {F::MulMax, &Settings::MNU_MulMax_Click},   {F::Size, &Settings::MNU_Size_Click}};
    const int optionValues[] = {v.AddMax, v.DivMax, v.Letters, v.Limit, v.MulMax, v.Size};
    for (int i = 0; i < 6; ++i) {
        if (read.has(options[i].first))
            (this->*options[i].second)(optionValues[i]);
    }
    if (read.has(F::Speaker) && v.SpeakerCount > 0)
        m_window.speaker().MNU_SpkChr_Click(v.Speaker);
    if (read.has(F::SubMax))
        MNU_SubMax_Click(v.SubMax);
    if (read.has(F::Kbd))
        MNU_Kbd_Click(v.Kbd);

    // A switch the parent changed stays so: addition switched off stays off
    // (while another operator is on), and so does the talking character.
    const std::pair<F, std::pair<MenuId, int>> switches[]
        = {{F::AddOn, {MenuId::MNU_AddOn, v.AddOn}},
           {F::DivOn, {MenuId::MNU_DivOn, v.DivOn}},
           {F::MulOn, {MenuId::MNU_MulOn, v.MulOn}},
           {F::SubOn, {MenuId::MNU_SubOn, v.SubOn}}};
    for (const auto &[field, item] : switches) {
        if (read.has(field))
            m.setChecked(item.first, -1, item.second == 1);
    }
    keepAnOperatorOn();
    // Speech stays as the start-up found it (on only when a character talks),
    // unless the parent had switched it off.
    if (read.has(F::SpkOn) && v.SpkOn == 0 && m.checked(MenuId::MNU_SpkOn))
        m_window.speaker().AgentTer();
    for (int i = 0; i < 5; ++i) {
        if (read.has(F(int(F::Pair1) + i)))
            m.setChecked(MenuId::MNU_PairSubject, i + 1, v.PairSubject[i] == 1);
        if (read.has(F(int(F::Spell1) + i)))
            m.setChecked(MenuId::MNU_SpellSubject, i + 1, v.SpellSubject[i] == 1);
    }
    for (int i = 0; i < 3; ++i) {
        if (read.has(F(int(F::Required1) + i)))
            m.setChecked(MenuId::MNU_PsRq, i + 1, v.Required[i] == 1);
    }
    if (read.has(F::LastGame))
        m_window.shell.LastGame = v.LastGame;
    if (read.has(F::BackdropFile))
        m_window.shell.BackdropFile = v.BackdropFile;
    if (read.has(F::StoredPassword))
        m_window.password().StoredPassword = v.StoredPassword;
    // The two printer colour items are stored as two flags and restored as
    // they were written.
    if (read.has(F::ColourBlackWhite))
        m.setChecked(MenuId::MNU_Color, 0, v.ColourBlackWhite == 1);
    if (read.has(F::Colour))
        m.setChecked(MenuId::MNU_Color, 1, v.Colour == 1);
}

void Settings::applyDefaults()
{
    // The password goes first, so that the handlers below never ask for it.
    m_window.shell.LastGame = 0;
    m_window.shell.BackdropFile.clear();
    m_window.password().StoredPassword.clear();
    const SettingsValues d; // first-run values
    MNU_AddMax_Click(d.AddMax);
    MNU_DivMax_Click(d.DivMax);
    MNU_Letters_Click(d.Letters);
    MNU_Limit_Click(d.Limit);
    MNU_MulMax_Click(d.MulMax);
    MNU_Size_Click(d.Size);
    m_window.speaker().MNU_SpkChr_Click(d.Speaker);
    MNU_SubMax_Click(d.SubMax);
    MNU_Kbd_Click(d.Kbd);

    MenuBar &m = m_window.menus();
    m.setChecked(MenuId::MNU_AddOn, -1, true);
    for (MenuId name : {MenuId::MNU_DivOn, MenuId::MNU_MulOn, MenuId::MNU_SubOn})
        m.setChecked(name, -1, false);
    // The speech switch tells the truth: on when a character was loaded at
    // start-up (it talks), off otherwise.
    m.setChecked(MenuId::MNU_SpkOn, -1, m_window.speech.SpeakerLoaded);
    for (int i = 1; i <= 5; ++i) {
        m.setChecked(MenuId::MNU_PairSubject, i, true);
        m.setChecked(MenuId::MNU_SpellSubject, i, true);
    }
    for (int i = 1; i <= 3; ++i)
        m.setChecked(MenuId::MNU_PsRq, i, false);
}

SettingsValues Settings::currentValues() const
{
    const MenuBar &m = m_window.menus();
    SettingsValues v;
    auto index = [&m](MenuId name, int fallback) {
        const int i = m.checkedIndex(name);
        return i < 0 ? fallback : i;
    };
    v.AddMax = index(MenuId::MNU_AddMax, v.AddMax);
    v.DivMax = index(MenuId::MNU_DivMax, v.DivMax);
    v.Letters = index(MenuId::MNU_Letters, v.Letters);
    v.Limit = index(MenuId::MNU_Limit, v.Limit);
    v.MulMax = index(MenuId::MNU_MulMax, v.MulMax);
    v.Size = index(MenuId::MNU_Size, v.Size);
    v.SpeakerCount = std::clamp(m_window.speech.SpeakerCount, 0, kMaxCharacters);
    v.Speaker = 1;
    for (int i = 1; i <= v.SpeakerCount; ++i) {
        if (m.checked(MenuId::MNU_SpkChr, i))
            v.Speaker = i;
    }
    v.SubMax = index(MenuId::MNU_SubMax, v.SubMax);
    v.Kbd = index(MenuId::MNU_Kbd, v.Kbd);
    v.AddOn = flag(m.checked(MenuId::MNU_AddOn));
    v.DivOn = flag(m.checked(MenuId::MNU_DivOn));
    v.MulOn = flag(m.checked(MenuId::MNU_MulOn));
    v.SpkOn = flag(m.checked(MenuId::MNU_SpkOn));
    v.SubOn = flag(m.checked(MenuId::MNU_SubOn));
    for (int i = 0; i < 5; ++i) {
        v.PairSubject[i] = flag(m.checked(MenuId::MNU_PairSubject, i + 1));
        v.SpellSubject[i] = flag(m.checked(MenuId::MNU_SpellSubject, i + 1));
    }
    for (int i = 0; i < 3; ++i)
        v.Required[i] = flag(m.checked(MenuId::MNU_PsRq, i + 1));
    v.LastGame = m_window.shell.LastGame;
    v.BackdropFile = m_window.shell.BackdropFile;
    v.StoredPassword = m_window.password().StoredPassword;
    v.ColourBlackWhite = flag(m.checked(MenuId::MNU_Color, 0));
    v.Colour = flag(m.checked(MenuId::MNU_Color, 1));
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

bool Settings::chooseOption(MenuId name, int index)
{
    const MenuId group = name;
    if (!m_window.menus().item(group, index)
        || !m_window.password().CheckPass(PasswordRequirement::Settings))
        return false;
    m_window.menus().checkOnly(group, index);
    return true;
}

void Settings::MNU_Limit_Click(int index)
{
    if (chooseOption(MenuId::MNU_Limit, index))
        m_window.shell.TimeLimit = index * kSecondsPerLimitStep;
}

void Settings::MNU_Size_Click(int index)
{
    if (!m_window.menus().item(MenuId::MNU_Size, index)
        || !m_window.password().CheckPass(PasswordRequirement::Settings))
        return;
    m_window.UnloadGame();
    m_window.menus().checkOnly(MenuId::MNU_Size, index);
    m_window.shell.GridMax = index + kPuzzleSizeToGridMax;
}

void Settings::MNU_Kbd_Click(int index) { chooseOption(MenuId::MNU_Kbd, index); }

void Settings::MNU_Subject_Click(int index)
{
    if (index < 0 || index >= kSubjectItems)
        return;
    m_window.menus().checkOnly(MenuId::MNU_Subject, index);
    m_window.pictures().DoFiles(index + 1);
}

void Settings::MNU_SpellSubject_Click(int index)
{
    const MenuId name = MenuId::MNU_SpellSubject;
    if (m_window.menus().item(name, index)
        && m_window.password().CheckPass(PasswordRequirement::Settings))
        m_window.menus().setChecked(name, index, !m_window.menus().checked(name, index));
}

void Settings::MNU_PairSubject_Click(int index)
{
    const MenuId name = MenuId::MNU_PairSubject;
    if (m_window.menus().item(name, index)
        && m_window.password().CheckPass(PasswordRequirement::Settings))
        m_window.menus().setChecked(name, index, !m_window.menus().checked(name, index));
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

void Settings::toggleOperator(MenuId name)
{
    if (!m_window.password().CheckPass(PasswordRequirement::Settings))
        return;
    MenuBar &m = m_window.menus();
    m.setChecked(name, -1, !m.checked(name));
    keepAnOperatorOn();
}

void Settings::keepAnOperatorOn()
{
    MenuBar &m = m_window.menus();
    const bool anyOn = std::any_of(std::begin(kOperatorSwitches), std::end(kOperatorSwitches),
                                   [&m](MenuId n) { return m.checked(n); });
    if (!anyOn)
        m.setChecked(MenuId::MNU_AddOn, -1, true);
}

void Settings::MNU_AddOn_Click() { toggleOperator(MenuId::MNU_AddOn); }

void Settings::MNU_SubOn_Click() { toggleOperator(MenuId::MNU_SubOn); }

void Settings::MNU_MulOn_Click() { toggleOperator(MenuId::MNU_MulOn); }

void Settings::MNU_DivOn_Click() { toggleOperator(MenuId::MNU_DivOn); }

} // namespace tw
