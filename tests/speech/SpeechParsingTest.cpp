// What the talking character reads: its character files (good ones load, every
// broken one is refused quietly), and the text Talk cuts into tagged chunks.
#include "speech/CharacterFile.h"
#include "speech/SpeechFixtures.h"
#include "speech/TalkChunks.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tw {
namespace {

using test::kSeventy;
using test::tinySvg;
using test::writeCharacter;
using test::writeFile;

// Comments, letter case, spaces and other sections are fine; unknown keys are
// skipped. (The voice's pitch and rate are checked where Talk uses them.)
TEST(CharacterFile, ReadsNameVoiceColoursAndLooks)
{
    QTemporaryDir dir;
    writeCharacter(dir.path(), QStringLiteral("Owl"));
    const QString owl = dir.filePath(QStringLiteral("Owl.twc"));
    QString error;
    const auto c = CharacterFile::read(owl, &error);
    ASSERT_TRUE(c) << error.toStdString();
    EXPECT_EQ(c->name, QStringLiteral("Owl"));
    EXPECT_EQ(c->art[size_t(CharacterLook::Speaking)], tinySvg("red"));

    writeFile(owl,
              "; a comment\r\n[About]\r\nName=not this one\r\n[character]\r\nformat=1\r\n"
              "NAME = Pip \r\nidle=Owl-idle.svg\r\nSPEAKING=Owl-speaking.svg\r\n"
              "Attention=Owl-attention.svg\r\nBalloon=#ffeedd\r\nSize=120\r\nFuture=ignored\r\n");
    const auto pip = CharacterFile::read(owl, &error);
    ASSERT_TRUE(pip) << error.toStdString();
    EXPECT_EQ(pip->name, QStringLiteral("Pip"));
    EXPECT_EQ(pip->balloon, QColor(0xff, 0xee, 0xdd));
    EXPECT_EQ(pip->size, 120);
}

TEST(CharacterFile, BrokenFilesAreRefused)
{
    // The art outside the folder exists and renders: only the folder rule stops it.
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("chars"));
    writeCharacter(folder, QStringLiteral("Owl"));
    writeFile(dir.filePath(QStringLiteral("secret.svg")), tinySvg("red"));
    writeFile(folder + QStringLiteral("/Cut.svg"), tinySvg("red").left(30));
    const QByteArray fifo = QFile::encodeName(folder + QStringLiteral("/Fifo.svg"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("/Zero.svg")));
    const QByteArray good = "[Character]\nFormat=1\nName=Owl\nIdle=Owl-idle.svg\n"
                            "Speaking=Owl-speaking.svg\nAttention=Owl-attention.svg\n";
    ASSERT_TRUE(CharacterFile::parse(good, folder));
    struct Case
    {
        const char *name;
        QByteArray twc;
    };
    const Case cases[] = {
        {"truncated before the looks", good.left(good.indexOf("Idle"))},
        {"unknown format", QByteArray(good).replace("Format=1", "Format=7")},
        {"no name", QByteArray(good).replace("Name=Owl", "Name=")},
        {"bad colour", good + "Outline=not-a-colour\n"},
        {"pitch out of range", good + "Pitch=3\n"},
        {"art outside its folder", QByteArray(good).replace("Owl-idle.svg", "../secret.svg")},
        {"art missing", QByteArray(good).replace("Owl-attention.svg", "Gone.svg")},
        {"art truncated", QByteArray(good).replace("Owl-idle.svg", "Cut.svg")},
        {"art a fifo", QByteArray(good).replace("Owl-idle.svg", "Fifo.svg")},
        {"art a link to a device", QByteArray(good).replace("Owl-idle.svg", "Zero.svg")},
        {"pitch nan", good + "Pitch=nan\n"},
    };
    for (const Case &c : cases) {
        QString error;
        EXPECT_FALSE(CharacterFile::parse(c.twc, folder, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
    QString error;
    EXPECT_FALSE(CharacterFile::read(folder + QStringLiteral("/Nobody.twc"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(CharacterFile::read(QString::fromLocal8Bit(fifo)));
}

struct ChunkCase
{
    const char *name;
    QString text;
    std::vector<TalkChunk> chunks;
};

// Over 60 characters, and the word after the 61st character is "old".
const QString kShortWord = QStringLiteral(
    "Twelve little elephants were walking slowly beside wonderful old rivers today.");
const QString kOld = QStringLiteral("old rivers today.");

// A chunk said with the greeting's tags (pitch and speed 10).
TalkChunk said(const QString &text) { return {text, 10, 10}; }

TEST(TalkChunks, CutsAsTalkSpeaksIt)
{
    const ChunkCase cases[] = {
        {"empty", QString(), {}},
        {"hi", "Hi", {said("Hi")}},
        {"question", "Whoops? Oh", {said("Whoops? "), said("Oh")}},
        {"letter and stop", "b.", {said("b.")}},
        {"two sentences", "Hi there. Bye now.", {said("Hi there. "), said("Bye now.")}},
        {"seventy characters", kSeventy, {said(kSeventy)}},
        {"short word after sixty", kShortWord, {{kShortWord.left(61), 0, 0}, said(kOld)}},
        {"short word after a first sentence",
         "Hello. " + kShortWord,
         {said("Hello. "), said(kShortWord.left(61)), said(kOld)}},
    };
    for (const ChunkCase &c : cases) {
        const std::vector<TalkChunk> got = TalkChunks(c.text);
        ASSERT_EQ(got.size(), c.chunks.size()) << c.name;
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i].tagged(), c.chunks[i].tagged()) << c.name << " chunk " << i;
    }
}

TEST(TalkChunks, OnlyTextWithALetterOrDigitHasWordsToSay)
{
    for (const char *silent : {"", ".", " . ", "?!", "\n"})
        EXPECT_FALSE(hasWords(QString::fromLatin1(silent))) << silent;
    for (const char *said : {"a.", "7", " Hi ", "\nA a"})
        EXPECT_TRUE(hasWords(QString::fromLatin1(said))) << said;
}

} // namespace
} // namespace tw
