// Reading and writing the settings file's text.
#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

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

TEST(SettingsFile, WritesOneValuePerCrLfLineWithASignSpace)
{
    const QByteArray text = writeSettings(changedValues());
    EXPECT_EQ(text,
              " 4\r\n 7\r\n 20\r\n 3\r\n 12\r\n 17\r\n 3\r\n 2\r\n 2\r\n 3\r\n"
              " 0\r\n 1\r\n 1\r\n 1\r\n 1\r\n"
              " 0\r\n 1\r\n 0\r\n 1\r\n 0\r\n"
              " 1\r\n 0\r\n 1\r\n 0\r\n 1\r\n"
              " 1\r\n 0\r\n 1\r\n"
              " 13\r\n/home/anna/Pictures/Beach Day.jpg\r\ntiger lily\r\n 0\r\n 1\r\n");
}

TEST(SettingsFile, ReadsBackWhatItWrote)
{
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
    EXPECT_EQ(read.values.Kbd, 3);
}

TEST(SettingsFile, ReadsAFileFromAnotherInstallation)
{
    // Spaces around numbers, a Windows path, bare LF endings on some lines.
    const QByteArray text = " 2\r\n 12 \r\n 6\r\n4\r\n  7\r\n 12\r\n 1\r\n 1\r\n 0\r\n 2\r\n"
                            " 1\r\n 0\r\n 1\r\n 0\r\n 0\r\n"
                            " 1\n 1\n 1\n 1\n 0\n"
                            " 1\r\n 1\r\n 0\r\n 0\r\n 1\r\n"
                            " 0\r\n 1\r\n 1\r\n"
                            " 8\r\nC:\\Program Files\\Tumblewick\\Background\\Sea.jpg\r\nsecret\r\n"
                            " 1\r\n 0\r\n";
    const SettingsParse read = parseSettings(text);
    ASSERT_TRUE(read.complete());
    const SettingsValues &v = read.values;
    EXPECT_EQ(v.AddMax, 2);
    EXPECT_EQ(v.DivMax, 12);
    EXPECT_EQ(v.Letters, 6);
    EXPECT_EQ(v.Limit, 4);
    EXPECT_EQ(v.MulMax, 7);
    EXPECT_EQ(v.Size, 12);
    EXPECT_EQ(v.Speaker, 1);
    EXPECT_EQ(v.Kbd, 2);
    EXPECT_EQ(v.PairSubject, (std::array<int, 5> {1, 1, 1, 1, 0}));
    EXPECT_EQ(v.Required, (std::array<int, 3> {0, 1, 1}));
    EXPECT_EQ(v.LastGame, 8);
    EXPECT_EQ(v.BackdropFile, QStringLiteral("C:\\Program Files\\Tumblewick\\Background\\Sea.jpg"));
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

TEST(SettingsFile, EightBitTextFromWindowsIsKept)
{
    QByteArray text = writeSettings(changedValues());
    text.replace("Beach Day", "Pl\xe4ge");
    const SettingsParse read = parseSettings(text);
    ASSERT_TRUE(read.complete());
    EXPECT_EQ(read.values.BackdropFile, QStringLiteral("/home/anna/Pictures/Pl\u00e4ge.jpg"));
}

TEST(SettingsFile, BrokenFilesStopAtTheFirstBadValue)
{
    const QByteArray good = writeSettings(changedValues());
    QByteArray hugeLine = good;
    hugeLine.replace("tiger lily", QByteArray(kSettingsMaxLineChars + 1, 'x'));
    QByteArray binary(512, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 37) & 0xFF);
    QByteArray blankNumber = good;
    blankNumber.replace(" 12\r\n 17\r\n", " 12\r\n\r\n");

    const struct
    {
        const char *what;
        QByteArray text;
        int fieldsRead;
    } cases[] = {
        {"empty file", QByteArray(), 0},
        {"binary bytes", binary, 0},
        {"garbage line", "hello world\r\n" + good, 0},
        {"short file", good.left(good.indexOf("\r\n 13\r\n") + 2), 28},
        {"no line end at all", " 4", 1},
        {"addition range out of its menu", " 9\r\n" + good.mid(4), 0},
        {"times table without an item", " 4\r\n 6\r\n" + good.mid(8), 1},
        {"word length 9", good.left(8) + " 9\r\n" + good.mid(13), 2},
        {"puzzle size 8", good.left(good.indexOf(" 17")) + " 8\r\n", 5},
        {"unknown game", QByteArray(good).replace(" 13\r\n", " 14\r\n"), 28},
        {"a number with words", QByteArray(good).replace(" 13\r\n", " 1 3\r\n"), 28},
        {"blank number line", blankNumber, 5},
        {"line too long", hugeLine, 30},
        {"file too large", good + QByteArray(kSettingsMaxFileBytes, ' '), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const SettingsParse read = parseSettings(c.text);
        EXPECT_FALSE(read.complete());
        EXPECT_EQ(read.fieldsRead, c.fieldsRead);
    }
}

TEST(SettingsFile, ValuesAtTheEdgesOfTheirMenus)
{
    const struct
    {
        int SettingsValues::*field;
        int value;
        bool valid;
    } cases[] = {
        {&SettingsValues::AddMax, 0, true},        {&SettingsValues::AddMax, 4, true},
        {&SettingsValues::AddMax, -1, false},      {&SettingsValues::DivMax, 12, true},
        {&SettingsValues::DivMax, 11, false},      {&SettingsValues::Letters, 10, true},
        {&SettingsValues::Letters, 2, false},      {&SettingsValues::Size, 7, true},
        {&SettingsValues::Size, 12, true},         {&SettingsValues::Size, 13, false},
        {&SettingsValues::Kbd, 0, false},          {&SettingsValues::Kbd, 3, true},
        {&SettingsValues::LastGame, 0, true},      {&SettingsValues::LastGame, -1, false},
        {&SettingsValues::SpeakerCount, 10, true}, {&SettingsValues::SpeakerCount, 11, false},
    };
    for (const auto &c : cases) {
        SettingsValues v;
        v.*c.field = c.value;
        SCOPED_TRACE(c.value);
        EXPECT_EQ(parseSettings(writeSettings(v)).complete(), c.valid);
    }
}

} // namespace
} // namespace tw
