// The options survive a restart through the settings file, and a broken file
// gives the first-run options.
#include "shell/Settings.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/ArithmeticGame.h"
#include "quiz/QuizGames.h"
#include "shell/MenuBar.h"
#include "shell/PasswordLock.h"
#include "shell/WriteFolder.h"
#include "support/TestWindow.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tw::test {
namespace {

// What a parent sees of the first-run options.
void expectFirstRun(Educate &w)
{
    MenuBar &m = w.menus();
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Size), 0);
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Limit), 0);
    EXPECT_EQ(w.shell.TimeLimit, 0);
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Kbd), 1);
    EXPECT_TRUE(m.checked(MenuId::MNU_AddOn));
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_AddMax), 0);
    EXPECT_EQ(m.caption(MenuId::MNU_AddMax, 0), QStringLiteral("Numbers up to &5"));
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_MulMax), 3);
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_DivMax), 10);
    for (MenuId off : {MenuId::MNU_SubOn, MenuId::MNU_MulOn, MenuId::MNU_DivOn})
        EXPECT_FALSE(m.checked(off)) << menuIdName(off);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(m.checked(MenuId::MNU_PsRq, i));
    EXPECT_EQ(w.shell.LastGame, GameSounds);
    EXPECT_TRUE(w.shell.BackdropFile.isEmpty());
    EXPECT_TRUE(w.password().StoredPassword.isEmpty());
    EXPECT_TRUE(w.shell.SettingsRead);
}

TEST(Settings, OptionsSurviveARestart)
{
    TestWindow first;
    Educate &w = first.w();
    Settings &s = w.settings();
    MenuBar &m = w.menus();
    s.LoadData();
    s.MNU_Size_Click(12);
    s.MNU_Limit_Click(2);
    s.MNU_Kbd_Click(3);
    s.MNU_Letters_Click(10);
    s.MNU_AddMax_Click(3);
    s.MNU_SubMax_Click(4);
    s.MNU_MulMax_Click(7);
    s.MNU_DivMax_Click(5);
    s.MNU_MulOn_Click();
    s.MNU_SubOn_Click();
    s.MNU_DivOn_Click();
    s.MNU_PairSubject_Click(2);
    s.MNU_SpellSubject_Click(5);
    m.click(MenuId::MNU_PsRq, 3);
    m.click(MenuId::MNU_Color, 1);
    w.shell.LastGame = GamePaintBox;
    w.shell.BackdropFile = QStringLiteral("/somewhere/Sea.jpg");
    w.password().StoredPassword = QStringLiteral("tiger");
    const SettingsValues before = s.currentValues();
    ASSERT_TRUE(s.SaveData());

    TestWindow second(first.writeDir.path());
    second.w().settings().LoadData();
    SettingsValues after = second.w().settings().currentValues();
    after.SpkOn = before.SpkOn; // the talking character decides its own switch
    EXPECT_EQ(after, before);
    EXPECT_EQ(second.w().shell.GridMax, 14);
    EXPECT_EQ(second.w().shell.TimeLimit, 30);
    EXPECT_EQ(second.w().shell.WordLength, 10);
    EXPECT_EQ(second.w().menus().checkedIndex(MenuId::MNU_MulMax), 7);
    EXPECT_TRUE(readFile(second.w().settings().settingsPath()).contains("\r\n 7\r\n"));
}

TEST(Settings, SwitchesTurnedOffStayOffAfterARestart)
{
    TestWindow first;
    Settings &s = first.w().settings();
    s.LoadData();
    s.MNU_AddOn_Click(); // the last operator cannot go off
    ASSERT_TRUE(first.w().menus().checked(MenuId::MNU_AddOn));
    s.MNU_MulOn_Click();
    s.MNU_AddOn_Click(); // another operator is on, so addition may go off
    ASSERT_FALSE(first.w().menus().checked(MenuId::MNU_AddOn));
    ASSERT_TRUE(s.SaveData());

    TestWindow second(first.writeDir.path());
    second.w().settings().LoadData();
    EXPECT_FALSE(second.w().menus().checked(MenuId::MNU_AddOn));
    EXPECT_TRUE(second.w().menus().checked(MenuId::MNU_MulOn));

    // A file with every operator off still leaves addition on.
    SettingsValues none;
    none.AddOn = 0;
    second.storeSettings(none);
    TestWindow third(first.writeDir.path());
    third.w().settings().LoadData();
    EXPECT_TRUE(third.w().menus().checked(MenuId::MNU_AddOn));
}

TEST(Settings, AFilesOptionsShowInTheMenusAndReachTheGames)
{
    SettingsValues v;
    v.AddOn = 0;
    v.MulOn = 1;
    v.Kbd = 2;
    v.PairSubject = {0, 1, 0, 0, 0};
    TestWindow t;
    t.storeSettings(v);
    Educate &w = t.w();
    w.settings().LoadData();
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_AddOn));
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_MulOn));
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Kbd), 2);
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_PairSubject, 1));
    const SumSwitches sums = w.games().arithmetic().switches();
    EXPECT_TRUE(!sums.addition && sums.multiplication);

    // A check mark set behind the options' back is only a view: the next
    // change shows the stored options again, and the games never see it.
    w.menus().setChecked(MenuId::MNU_AddOn, -1, true);
    w.settings().MNU_PairSubject_Click(1);
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_AddOn));
    EXPECT_FALSE(w.games().arithmetic().switches().addition);
    EXPECT_EQ(w.options().PairSubject[0], 1);
}

TEST(Settings, TheTwoColourFlagsComeBackAsTheFileHoldsThem)
{
    for (const auto &[blackWhite, colour] : {std::pair(0, 1), std::pair(1, 0), std::pair(1, 1)}) {
        TestWindow t;
        SettingsValues v;
        v.ColourBlackWhite = blackWhite;
        v.Colour = colour;
        t.storeSettings(v);
        t.w().settings().LoadData();
        EXPECT_EQ(t.w().menus().checked(MenuId::MNU_Color, 0), blackWhite == 1);
        EXPECT_EQ(t.w().menus().checked(MenuId::MNU_Color, 1), colour == 1);
        const SettingsValues back = t.w().settings().currentValues();
        EXPECT_EQ(std::pair(back.ColourBlackWhite, back.Colour), std::pair(blackWhite, colour));
    }
}

TEST(Settings, BrokenFilesGiveTheDefaultsAndTheNextSaveIsGood)
{
    SettingsValues changed;
    changed.Size = 4;
    changed.LastGame = 9;
    changed.StoredPassword = QStringLiteral("tiger");
    changed.Required = {1, 1, 1};
    const QByteArray good = writeSettings(changed);
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"garbage", "this is not a settings file\r\n"},
        {"binary", QByteArray("\x00\xff\xfe\x01\x02", 5).repeated(200)},
        {"huge", QByteArray(200 * 1024, '7')},
        {"short", good.left(good.size() - 8)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestWindow t;
        const QString path = t.w().settings().settingsPath();
        writeFile(path, c.bytes);
        t.w().settings().LoadData();
        expectFirstRun(t.w());
        EXPECT_EQ(t.unexpectedDialogs, 0);
        ASSERT_TRUE(t.w().settings().SaveData());
        const SettingsParse again = parseSettings(readFile(path));
        EXPECT_TRUE(again.complete());
        EXPECT_EQ(again.values.Size, 0);
    }
}

TEST(Settings, AFifoOrALinkPlacedAsTheFileIsNeverReadOrWrittenThrough)
{
    TestWindow t;
    const QString path = t.w().settings().settingsPath();
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    t.w().settings().LoadData(); // returns at once: a FIFO is no settings file
    expectFirstRun(t.w());
    ASSERT_TRUE(t.w().settings().SaveData());
    EXPECT_TRUE(parseSettings(readFile(path)).complete());

    const QString mine = t.writeDir.filePath(QStringLiteral("users-own.txt"));
    writeFile(mine, "precious");
    ASSERT_TRUE(QFile::remove(path) && QFile::link(mine, path));
    ASSERT_TRUE(t.w().settings().SaveData());
    EXPECT_EQ(readFile(mine), QByteArray("precious"));
    EXPECT_TRUE(parseSettings(readFile(path)).complete());
}

TEST(Settings, StartUpNeverAsksForThePassword)
{
    // A stored password with "Required to Change &Settings": the options are
    // applied before the password is known.
    SettingsValues v;
    v.Size = 3;
    v.StoredPassword = QStringLiteral("tiger");
    v.Required = {1, 1, 1};
    TestWindow t;
    t.scriptPasswords();
    t.storeSettings(v);
    t.w().settings().LoadData();
    EXPECT_EQ(t.unexpectedDialogs, 0);
    EXPECT_EQ(t.w().shell.GridMax, 5);
    EXPECT_EQ(t.w().password().StoredPassword, QStringLiteral("tiger"));
}

TEST(Settings, OptionsAskForThePasswordButThePictureSubjectDoesNot)
{
    TestWindow t;
    Educate &w = t.w();
    w.settings().LoadData();
    w.menus().click(MenuId::MNU_PsRq, 2);
    w.password().StoredPassword = QStringLiteral("tiger");
    t.scriptPasswords();

    // Refused: nothing changes.
    for (int i = 0; i < 8; ++i)
        t.passAnswers.push_back({QStringLiteral("wrong")});
    Settings &s = w.settings();
    const SettingsValues before = s.values();
    s.MNU_Size_Click(1);
    s.MNU_Limit_Click(1);
    s.MNU_Kbd_Click(2);
    s.MNU_PairSubject_Click(1);
    s.MNU_SpellSubject_Click(1);
    s.MNU_Letters_Click(5);
    s.MNU_MulMax_Click(4);
    s.MNU_SubOn_Click();
    EXPECT_EQ(t.dialogsAnswered, 8);
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(w.shell.TimeLimit, 0);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Kbd), 1);
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_PairSubject, 1));
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Letters), 3);
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_SubOn));
    EXPECT_EQ(s.values(), before);

    // Allowed.
    t.passAnswers.push_back({QStringLiteral("tiger")});
    s.MNU_Size_Click(1);
    EXPECT_EQ(w.shell.GridMax, 3);

    s.MNU_Subject_Click(2);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Subject), 2);
    EXPECT_EQ(t.dialogsAnswered, 9);
    EXPECT_EQ(t.unexpectedDialogs, 0);
}

TEST(Settings, AnUnwritableFolderFallsBackToTheUserFolder)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain-file"));
    writeFile(file, "x");
    const QString notAFolder = file + QStringLiteral("/content");
    const QString user = dir.filePath(QStringLiteral("user/data"));

    EXPECT_FALSE(folderWritable(notAFolder));
    EXPECT_EQ(chooseWriteFolder(notAFolder, user), user + QLatin1Char('/'));
    EXPECT_TRUE(folderWritable(user));
    EXPECT_EQ(chooseWriteFolder(dir.path(), user), dir.path() + QLatin1Char('/'));
}

TEST(Settings, ASaveThatCannotBeWrittenSaysWhereAndLosesNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain-file"));
    writeFile(file, "x");
    TestWindow t(file + QStringLiteral("/nowhere"));
    t.w().settings().LoadData();
    EXPECT_FALSE(t.w().settings().SaveData());
    ASSERT_EQ(t.fakes.dialogs->messages.size(), 1);
    EXPECT_TRUE(t.fakes.dialogs->messages.first().contains(QStringLiteral("nowhere")));
    EXPECT_EQ(readFile(file), QByteArray("x"));
}

} // namespace
} // namespace tw::test
