// The settings: the file's text, the options surviving a restart through it
// (a broken file gives the first-run options), and the menus that show them.
#include "shell/Settings.h"
#include "common/MenuId.h"
#include "quiz/ArithmeticGame.h"
#include "quiz/QuizGames.h"
#include "shell/MenuBar.h"
#include "shell/WriteFolder.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace tw::test {
namespace {

// The first-run options, and what the games and menus make of them.
void expectFirstRun(Educate &w)
{
    SettingsValues shown = w.settings().currentValues();
    shown.SpkOn = SettingsValues().SpkOn; // the talking character decides its own switch
    EXPECT_EQ(shown, SettingsValues());
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(w.shell.TimeLimit, 0);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Kbd), 1);
    EXPECT_TRUE(w.shell.SettingsRead);
}

// A file as an installation writes it: every option away from its first-run value.
SettingsValues changedValues()
{
    SettingsValues v;
    v.AddMax = 4;
    v.DivMax = 7;
    v.Letters = 20;
    v.Limit = 3;
    v.MulMax = 12;
    v.Size = 17;
    v.SpeakerCount = 3;
    v.Speaker = 2;
    v.SubMax = 2;
    v.Kbd = 3;
    v.AddOn = 0;
    v.DivOn = 1;
    v.MulOn = 1;
    v.SpkOn = 1;
    v.SubOn = 1;
    v.PairSubject = {0, 1, 0, 1, 0};
    v.SpellSubject = {1, 0, 1, 0, 1};
    v.Required = {1, 0, 1};
    v.LastGame = 13;
    v.BackdropFile = QStringLiteral("/home/anna/Pictures/Beach Day.jpg");
    v.StoredPassword = QStringLiteral("tiger lily");
    v.ColourBlackWhite = 0;
    v.Colour = 1;
    return v;
}

TEST(Settings, OptionsSurviveARestart)
{
    TestWindow first;
    Educate &w = first.w();
    Settings &s = w.settings();
    s.LoadData();
    s.MNU_AddOn_Click(); // the last operator on cannot go off
    EXPECT_EQ(s.values().AddOn, 1);
    SettingsValues chosen = changedValues();
    chosen.SpeakerCount = 0; // no characters here: the first is chosen
    chosen.Speaker = 1;
    w.setOptions(chosen);
    w.shell.LastGame = chosen.LastGame;
    w.shell.BackdropFile = chosen.BackdropFile;
    w.password().StoredPassword = chosen.StoredPassword;
    ASSERT_TRUE(s.SaveData());

    TestWindow second(first.writeDir.path());
    second.w().settings().LoadData();
    SettingsValues after = second.w().settings().currentValues();
    after.SpkOn = chosen.SpkOn; // the talking character decides its own switch
    EXPECT_EQ(after, chosen);
    EXPECT_EQ(second.w().shell.WordLength, 20);
    EXPECT_EQ(second.w().shell.GridMax, 19);

    SettingsValues none; // a file with every operator off still leaves addition on
    none.AddOn = 0;
    second.storeSettings(none);
    second.w().settings().LoadData();
    EXPECT_EQ(second.w().settings().values().AddOn, 1);
}

// Start-up applies the options before the password is known, so it never
// asks, even with "Required to Change &Settings" stored.
TEST(Settings, AFilesOptionsShowInTheMenusAndReachTheGamesWithoutAPasswordAsked)
{
    SettingsValues v;
    v.AddOn = 0;
    v.MulOn = 1;
    v.Size = 3;
    v.PairSubject = {0, 1, 0, 0, 0};
    v.ColourBlackWhite = 1; // the two colour flags are kept apart
    v.Colour = 1;
    v.StoredPassword = QStringLiteral("tiger");
    v.Required = {1, 1, 1};
    TestWindow t;
    t.scriptPasswords();
    t.storeSettings(v);
    Educate &w = t.w();
    w.settings().LoadData();
    EXPECT_EQ(t.unexpectedDialogs, 0);
    EXPECT_EQ(w.password().StoredPassword, QStringLiteral("tiger"));
    EXPECT_EQ(w.shell.GridMax, 5);
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_AddOn));
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_PairSubject, 1));
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_Color, 0) && w.menus().checked(MenuId::MNU_Color, 1));
    const SumSwitches sums = w.games().arithmetic().switches();
    EXPECT_TRUE(!sums.addition && sums.multiplication);
}

// A broken file or a FIFO gives the first-run options (a FIFO is not even read:
// it would wait for ever), and the next save is good; a link placed as the
// file is replaced, never written through.
TEST(Settings, ABrokenFileAFifoOrALinkAreNeverReadOrWrittenThrough)
{
    SettingsValues changed;
    changed.Size = 4;
    changed.StoredPassword = QStringLiteral("tiger");
    changed.Required = {1, 1, 1};
    const QByteArray good = writeSettings(changed);
    for (const bool fifo : {false, true}) {
        TestWindow t;
        const QString path = t.w().settings().settingsPath();
        if (fifo)
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            writeFile(path, good.left(good.size() - 8));
        t.w().settings().LoadData();
        expectFirstRun(t.w());
        EXPECT_EQ(t.unexpectedDialogs, 0);
        ASSERT_TRUE(t.w().settings().SaveData());
        EXPECT_TRUE(parseSettings(readFile(path)).complete());
    }
    TestWindow t;
    const QString path = t.w().settings().settingsPath();
    const QString mine = t.writeDir.filePath(QStringLiteral("users-own.txt"));
    writeFile(mine, "precious");
    ASSERT_TRUE(QFile::link(mine, path));
    ASSERT_TRUE(t.w().settings().SaveData());
    EXPECT_EQ(readFile(mine), QByteArray("precious"));
    EXPECT_TRUE(parseSettings(readFile(path)).complete());
}

TEST(Settings, OptionsAskForThePasswordButThePictureSubjectDoesNot)
{
    TestWindow t;
    Educate &w = t.w();
    Settings &s = w.settings();
    s.LoadData();
    w.menus().click(MenuId::MNU_PsRq, 2);
    w.password().StoredPassword = QStringLiteral("tiger");
    t.scriptPasswords();

    // One of each route: a menu of choices, a subject toggle, a sum operator.
    const std::function<void()> changes[] = {
        [&] { w.menus().item(MenuId::MNU_Size, 1)->trigger(); },
        [&] { s.MNU_PairSubject_Click(1); },
        [&] { s.MNU_SubOn_Click(); },
    };
    const SettingsValues before = s.values();
    for (const auto &change : changes) {
        t.passAnswers.push_back({QStringLiteral("wrong")});
        change();
    }
    EXPECT_EQ(t.dialogsAnswered, 3);
    EXPECT_EQ(s.values(), before);
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), 0) << "a refused click leaves the marks";

    t.passAnswers.push_back({QStringLiteral("tiger")});
    s.MNU_Size_Click(1);
    EXPECT_EQ(w.shell.GridMax, 3);

    s.MNU_Subject_Click(2);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Subject), 2);
    EXPECT_EQ(t.dialogsAnswered, 4);
    EXPECT_EQ(t.unexpectedDialogs, 0);
}

// A content folder that cannot be written falls back to the user's folder; a
// save that still fails says where and loses nothing.
TEST(Settings, AnUnwritableFolderFallsBackAndAFailedSaveSaysWhere)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain-file"));
    writeFile(file, "x");
    const QString notAFolder = file + QStringLiteral("/nowhere");
    const QString user = dir.filePath(QStringLiteral("user/data"));
    EXPECT_FALSE(folderWritable(notAFolder));
    EXPECT_EQ(chooseWriteFolder(notAFolder, user), user + QLatin1Char('/'));
    EXPECT_TRUE(folderWritable(user));
    EXPECT_EQ(chooseWriteFolder(dir.path(), user), dir.path() + QLatin1Char('/'));

    TestWindow t(notAFolder);
    t.w().settings().LoadData();
    EXPECT_FALSE(t.w().settings().SaveData());
    ASSERT_EQ(t.fakes.dialogs->messages.size(), 1);
    EXPECT_TRUE(t.fakes.dialogs->messages.first().contains(QStringLiteral("nowhere")));
    EXPECT_EQ(readFile(file), QByteArray("x"));
}

TEST(SettingsFile, WritesOneValuePerCrLfLineWithASignSpaceAndReadsItBack)
{
    const QByteArray text = writeSettings(changedValues());
    EXPECT_EQ(text,
              " 4\r\n 7\r\n 20\r\n 3\r\n 12\r\n 17\r\n 3\r\n 2\r\n 2\r\n 3\r\n"
              " 0\r\n 1\r\n 1\r\n 1\r\n 1\r\n"
              " 0\r\n 1\r\n 0\r\n 1\r\n 0\r\n"
              " 1\r\n 0\r\n 1\r\n 0\r\n 1\r\n"
              " 1\r\n 0\r\n 1\r\n"
              " 13\r\n/home/anna/Pictures/Beach Day.jpg\r\ntiger lily\r\n 0\r\n 1\r\n");
    for (const SettingsValues &v : {SettingsValues {}, changedValues()}) {
        const SettingsParse read = parseSettings(writeSettings(v));
        EXPECT_TRUE(read.complete());
        EXPECT_EQ(read.values, v);
    }
}

TEST(SettingsFile, NoCharacterLineWhenNoneIsListed)
{
    SettingsValues v = changedValues();
    v.SpeakerCount = 0;
    v.Speaker = 1;
    const QByteArray text = writeSettings(v);
    EXPECT_TRUE(text.startsWith(" 4\r\n 7\r\n 20\r\n 3\r\n 12\r\n 17\r\n 0\r\n 2\r\n 3\r\n"));
    const SettingsParse read = parseSettings(text);
    ASSERT_TRUE(read.complete());
    EXPECT_EQ(read.values.SubMax, 2);
}

TEST(SettingsFile, ReadsAFileFromAnotherInstallation)
{
    // Spaces around numbers, a Windows path in 8-bit text, bare LF endings on some lines.
    const QByteArray text
        = " 2\r\n 12 \r\n 6\r\n4\r\n  7\r\n 12\r\n 1\r\n 1\r\n 0\r\n 2\r\n"
          " 1\r\n 0\r\n 1\r\n 0\r\n 0\r\n"
          " 1\n 1\n 1\n 1\n 0\n"
          " 1\r\n 1\r\n 0\r\n 0\r\n 1\r\n"
          " 0\r\n 1\r\n 1\r\n"
          " 8\r\nC:\\Program Files\\Tumblewick\\Background\\Pl\xe4ge.jpg\r\nsecret\r\n"
          " 1\r\n 0\r\n";
    const SettingsParse read = parseSettings(text);
    ASSERT_TRUE(read.complete());
    const SettingsValues &v = read.values;
    EXPECT_EQ(v.DivMax, 12);
    EXPECT_EQ(v.Limit, 4);
    EXPECT_EQ(v.MulMax, 7);
    EXPECT_EQ(v.PairSubject, (std::array<int, 5> {1, 1, 1, 1, 0}));
    EXPECT_EQ(v.LastGame, 8);
    EXPECT_EQ(v.BackdropFile,
              QStringLiteral("C:\\Program Files\\Tumblewick\\Background\\Pl\u00e4ge.jpg"));
    EXPECT_EQ(v.StoredPassword, QStringLiteral("secret"));
    // The same file written again is the same file, save the normalised spaces.
    EXPECT_EQ(parseSettings(writeSettings(v)).values, v);
}

// A comma ends a string when read; a line break is not written: either way
// the lines after it stay in place.
TEST(SettingsFile, CommasAndLineBreaksInAStringCannotShiftTheFile)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/pics/Sun, Sea and Sand.jpg"), QStringLiteral("/pics/Sun")},
        {QStringLiteral("/pics/odd\r\nname.jpg"), QStringLiteral("/pics/oddname.jpg")},
    };
    for (const auto &[written, read] : cases) {
        SettingsValues v = changedValues();
        v.BackdropFile = written;
        const SettingsParse parsed = parseSettings(writeSettings(v));
        ASSERT_TRUE(parsed.complete());
        EXPECT_EQ(parsed.values.BackdropFile, read);
        EXPECT_EQ(parsed.values.StoredPassword, QStringLiteral("tiger lily"));
        EXPECT_EQ(parsed.values.Colour, 1);
    }
}

TEST(SettingsFile, BrokenFilesAreIncomplete)
{
    const QByteArray good = writeSettings(changedValues());
    QByteArray hugeLine = good;
    hugeLine.replace("tiger lily", QByteArray(kSettingsMaxLineChars + 1, 'x'));

    const std::pair<const char *, QByteArray> cases[] = {
        {"empty file", QByteArray()},
        {"garbage line", "hello world\r\n" + good},
        {"short file", good.left(good.indexOf("\r\n 13\r\n") + 2)},
        {"addition range out of its menu", " 9\r\n" + good.mid(4)},
        {"times table without an item", " 4\r\n 6\r\n" + good.mid(8)},
        {"word length 9", good.left(8) + " 9\r\n" + good.mid(13)},
        {"puzzle size 8", QByteArray(good).replace(" 17\r\n", " 8\r\n")},
        {"unknown game", QByteArray(good).replace(" 13\r\n", " 14\r\n")},
        {"a number with words", QByteArray(good).replace(" 13\r\n", " 1 3\r\n")},
        {"line too long", hugeLine},
        {"file too large", good + QByteArray(kSettingsMaxFileBytes, ' ')},
    };
    for (const auto &[what, text] : cases)
        EXPECT_FALSE(parseSettings(text).complete()) << what;
}

TEST(SettingsFile, ValuesAtTheEdgesOfTheirMenus)
{
    const struct
    {
        int SettingsValues::*field;
        int value;
        bool valid;
    } cases[] = {
        {&SettingsValues::AddMax, -1, false},      {&SettingsValues::DivMax, 12, true},
        {&SettingsValues::DivMax, 11, false},      {&SettingsValues::Letters, 10, true},
        {&SettingsValues::Letters, 2, false},      {&SettingsValues::Size, 7, true},
        {&SettingsValues::Size, 12, true},         {&SettingsValues::Size, 13, false},
        {&SettingsValues::Kbd, 0, false},          {&SettingsValues::LastGame, -1, false},
        {&SettingsValues::SpeakerCount, 10, true}, {&SettingsValues::SpeakerCount, 11, false},
    };
    for (const auto &c : cases) {
        SettingsValues v;
        v.*c.field = c.value;
        SCOPED_TRACE(c.value);
        EXPECT_EQ(parseSettings(writeSettings(v)).complete(), c.valid);
    }
}

TEST(MenuBar, TheIndexNotThePositionReachesTheHandler)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        MenuId menu, name;
        const char *caption;
        int index;
    } cases[] = {{MenuId::MNU_SpWd, MenuId::MNU_Letters, "Up to &10 Letters", 10},
                 {MenuId::MNU_Divide, MenuId::MNU_DivMax, "Up to &7 times table", 7},
                 {MenuId::MNU_Ini, MenuId::MNU_Kbd, "Use &Keyboard", 3}};
    for (const auto &c : cases) {
        int received = -99;
        m.setHandler(c.name, [&received](int i) { received = i; });
        QAction *clicked = nullptr;
        for (QAction *a : m.menu(c.menu)->actions()) {
            if (a->text() == QLatin1String(c.caption))
                clicked = a;
        }
        ASSERT_NE(clicked, nullptr) << c.caption;
        clicked->trigger();
        EXPECT_EQ(received, c.index) << c.caption;
    }
}

TEST(MenuBar, HandlersDecideTheCheckMarks)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    t.w().settings().LoadData();
    m.item(MenuId::MNU_Size, 12)->trigger();
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Size), 12);
    EXPECT_FALSE(m.checked(MenuId::MNU_Size, 0));
    EXPECT_EQ(t.w().shell.GridMax, 14);

    // Clicking the checked item again keeps it checked (Qt alone would clear it).
    m.item(MenuId::MNU_Size, 12)->trigger();
    EXPECT_TRUE(m.checked(MenuId::MNU_Size, 12));
}

} // namespace
} // namespace tw::test
