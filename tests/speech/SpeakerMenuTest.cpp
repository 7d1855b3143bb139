// The "&Talking Characters" menu: listing the characters, choosing one, "&On".
#include "common/MenuId.h"
#include "speech/SpeechFixtures.h"

#include "shell/MenuBar.h"
#include "shell/Settings.h"
#include "speech/CharacterAgent.h"

#include <QDir>

namespace tw::test {
namespace {

constexpr MenuId kSpkChr = MenuId::MNU_SpkChr;
constexpr MenuId kSpkOn = MenuId::MNU_SpkOn;
constexpr MenuId kCharacter = MenuId::MNU_Character;

// Without character files speech stays off quietly, and Talk returns at once.
TEST_F(SpeakerTest, OnAFirstRunTheSpeechSwitchShowsWhetherTheCharacterTalks)
{
    useVoice();
    for (const bool withCharacter : {true, false}) {
        SCOPED_TRACE(withCharacter);
        QDir(characters()).removeRecursively();
        if (withCharacter)
            addCharacter(QStringLiteral("Cat"));
        startCharacter(speaker());
        win.w().settings().LoadData(); // no settings file: the first-run values
        EXPECT_EQ(win.w().speech.SpeakerLoaded, withCharacter);
        EXPECT_EQ(menus().checked(kSpkOn), withCharacter);
        EXPECT_EQ(menus().enabled(kCharacter), withCharacter);
        speaker().AgentTer();
    }
    EXPECT_FALSE(menus().enabled(kSpkChr, 1));
    EXPECT_FALSE(menus().visible(kSpkChr, 2));
    EXPECT_TRUE(win.fakes.dialogs->messages.isEmpty());
    speaker().Talk(QStringLiteral("Hi"));
    EXPECT_TRUE(voice->said.empty());
}

TEST_F(SpeakerTest, ListsTenOfElevenInNameOrderAndTheTenthCanBeChosen)
{
    useVoice();
    for (int i = 11; i >= 1; --i)
        addCharacter(
            QStringLiteral("%1Friend%2").arg(i % 2 ? "b" : "B").arg(i, 2, 10, QLatin1Char('0')));
    startCharacter(speaker());
    EXPECT_EQ(win.w().speech.SpeakerCount, 10);
    // Each entry shows the character's own name, not its file name.
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(menus().visible(kSpkChr, i) ? menus().caption(kSpkChr, i).mid(1) : QString(),
                  QStringLiteral("Friend%1").arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(menus().checkedIndex(kSpkChr), 1);

    speaker().MNU_SpkChr_Click(10);
    EXPECT_EQ(speaker().agent()->loadedName(), QStringLiteral("BFriend10"));

    speaker().MNU_SpkChr_Click(11); // e.g. from a settings file of another installation
    EXPECT_EQ(speaker().SpeakerFile, QStringLiteral("BFriend10.twc"));
    EXPECT_EQ(menus().checkedIndex(kSpkChr), 10);
}

// Off stays off after a restart: the character comes back first, then the
// parent's choice follows.
TEST_F(SpeakerTest, SwitchingOffAndOnRecreatesTheCharacterChosenMeanwhile)
{
    useVoice();
    addCharacter(QStringLiteral("Cat"));
    addCharacter(QStringLiteral("Owl"));
    startCharacter(speaker());
    win.w().shell.SettingsRead = true;
    speaker().Talk(QStringLiteral("Hi"));
    ASSERT_TRUE(speaker().characterVisible());

    speaker().MNU_SpkOn_Click();
    EXPECT_FALSE(menus().checked(kSpkOn));
    EXPECT_FALSE(speaker().characterVisible());
    speaker().MNU_SpkChr_Click(2); // chosen while off: it stays off
    EXPECT_FALSE(win.w().speech.SpeakerLoaded);
    EXPECT_EQ(speaker().SpeakerFile, QStringLiteral("Owl.twc"));

    ASSERT_TRUE(win.w().settings().SaveData());
    startCharacter(speaker());
    ASSERT_TRUE(win.w().speech.SpeakerLoaded);
    win.w().settings().LoadData();
    EXPECT_FALSE(menus().checked(kSpkOn));
    EXPECT_FALSE(win.w().speech.SpeakerLoaded);

    speaker().MNU_SpkOn_Click();
    EXPECT_TRUE(menus().checked(kSpkOn));
    ASSERT_NE(speaker().agent(), nullptr);
    EXPECT_EQ(speaker().agent()->loadedName(), QStringLiteral("Owl"));
}

TEST_F(SpeakerTest, ABrokenCharacterIsSilentAtStartAndExplainedWhenSwitchedOn)
{
    useVoice();
    QDir().mkpath(characters());
    writeFile(QDir(characters()).filePath(QStringLiteral("Broken.twc")), "[Character]\nForm");
    startCharacter(speaker());
    EXPECT_FALSE(win.w().speech.SpeakerLoaded);
    EXPECT_TRUE(win.fakes.dialogs->messages.isEmpty());

    win.w().shell.SettingsRead = true;
    speaker().MNU_SpkOn_Click();
    EXPECT_FALSE(menus().checked(kSpkOn));
    EXPECT_FALSE(win.w().speech.SpeakerLoaded);
    ASSERT_EQ(win.fakes.dialogs->messages.size(), 1);
    EXPECT_EQ(win.fakes.dialogs->messages.first(),
              QStringLiteral("You need to install a speaking character.\r"
                             "See help manual on how to do this."));
    speaker().Talk(QStringLiteral("Hi"));
    EXPECT_TRUE(voice->said.empty());
}

} // namespace
} // namespace tw::test
