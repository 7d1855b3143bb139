// Reading character files: good ones load, every broken one is refused quietly.
#include "speech/CharacterFile.h"

#include "speech/SpeechFixtures.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tw {
namespace {

using test::tinySvg;
using test::writeCharacter;
using test::writeFile;

// Comments, letter case, spaces and other sections are fine; unknown keys are skipped.
TEST(CharacterFile, ReadsNameVoiceColoursAndLooks)
{
    QTemporaryDir dir;
    writeCharacter(dir.path(), QStringLiteral("Owl"));
    const QString owl = dir.filePath(QStringLiteral("Owl.twc"));
    QString error;
    const auto c = CharacterFile::read(owl, &error);
    ASSERT_TRUE(c) << error.toStdString();
    EXPECT_EQ(c->name, QStringLiteral("Owl"));
    EXPECT_DOUBLE_EQ(c->pitch, 0.2);
    EXPECT_DOUBLE_EQ(c->rate, -0.1);
    EXPECT_EQ(c->art[size_t(CharacterLook::Speaking)], tinySvg("red"));
    EXPECT_TRUE(c->balloon.isValid());

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
        {"empty", ""},
        {"truncated mid-line", good.left(good.indexOf("Speaking") + 10)},
        {"truncated before the looks", good.left(good.indexOf("Idle"))},
        {"no section", good.mid(good.indexOf('\n') + 1)},
        {"unclosed section", "[Character\nFormat=1\n"},
        {"unknown format", QByteArray(good).replace("Format=1", "Format=7")},
        {"no name", QByteArray(good).replace("Name=Owl", "Name=")},
        {"not key=value", good + "just words\n"},
        {"bad colour", good + "Outline=not-a-colour\n"},
        {"pitch out of range", good + "Pitch=3\n"},
        {"size not a number", good + "Size=big\n"},
        {"art outside its folder", QByteArray(good).replace("Owl-idle.svg", "../secret.svg")},
        {"art missing", QByteArray(good).replace("Owl-attention.svg", "Gone.svg")},
        {"art is not svg", QByteArray(good).replace("Owl-idle.svg", "Owl.twc")},
        {"art truncated", QByteArray(good).replace("Owl-idle.svg", "Cut.svg")},
        {"art a fifo", QByteArray(good).replace("Owl-idle.svg", "Fifo.svg")},
        {"art a link to a device", QByteArray(good).replace("Owl-idle.svg", "Zero.svg")},
        {"binary", QByteArray("\x00\x01\x02[Character]\n", 16)},
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

} // namespace
} // namespace tw
