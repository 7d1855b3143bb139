// File patterns match case-insensitively and listings come in name order.
#include "common/FilePattern.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tw;

using test::writeFile;

TEST(FilePattern, MatchesLikeTheDesktopWildcards)
{
    struct Case
    {
        const char *name;
        const char *pattern;
        bool matches;
    };
    const Case cases[] = {
        {"Cat", "*.*", true}, // no dot: "*.*" still matches
        {"Caterpillar.bmp", "Cat.*", false},
        {"Caterpillar.bmp", "Cat*.*", true},
        {"cow.WAV", "*.wav", true},
        {"cow.wave", "*.wav", false},
        {"dog.bmp", "d?g.BMP", true},
        {"dg.bmp", "d?g.bmp", false},
        {"Ärger.png", "ä*.PNG", true},
        {"", "*", true},
        {"abc", "", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(wildcardMatch(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)), c.matches)
            << c.name << " ~ " << c.pattern;
    }
}

TEST(FilePattern, ALongHostilePatternEndsQuickly)
{
    const QString name(5000, QLatin1Char('a'));
    const QString pattern = QString(200, QLatin1Char('*')).append(QLatin1Char('b'));
    EXPECT_FALSE(wildcardMatch(name, pattern));
}

TEST(FilePattern, AnItemIsNamedByWhatComesBeforeTheFirstDot)
{
    EXPECT_EQ(nameBeforeDot("Cat.bmp"), "Cat");
    EXPECT_EQ(nameBeforeDot("Fire engine.v2.png"), "Fire engine");
    EXPECT_EQ(nameBeforeDot("Teddy"), "Teddy");
}

TEST(FilePattern, ListsOnlyVisibleFilesInNameOrder)
{
    QTemporaryDir dir;
    for (const char *name :
         {"b.png", "A.png", "Cat-fish.png", "c.WAV", "a.wav", ".hidden.png", "No dot", "Cat.png"})
        writeFile(dir.filePath(QString::fromUtf8(name)), "x");
    QDir(dir.path()).mkdir("Sub.folder");

    EXPECT_EQ(
        listFiles(dir.path() + "/"),
        (QStringList {"A.png", "a.wav", "b.png", "c.WAV", "Cat.png", "Cat-fish.png", "No dot"}));
    EXPECT_EQ(listFiles(dir.path() + "/", "*.wav"), (QStringList {"a.wav", "c.WAV"}));
    EXPECT_EQ(findFirstFile(dir.path() + "/", "B*.*"), "b.png");
    EXPECT_EQ(findFirstFile(dir.path() + "/", "zzz*.*"), "");
    EXPECT_EQ(listFolders(dir.path()), (QStringList {"Sub.folder"}));
    EXPECT_TRUE(listFiles(dir.path() + "/missing/").isEmpty());
    EXPECT_TRUE(listFiles(QString()).isEmpty());
}

TEST(FilePattern, ResolvesFoldersWhateverTheirLetterCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("sounds");
    QDir(dir.path()).mkpath("Animals/Big cats");
    const QString base = dir.path() + "/";
    EXPECT_EQ(resolveFolder(base, "Sounds/"), base + "sounds/");
    EXPECT_EQ(resolveFolder(base, "animals\\BIG CATS\\"), base + "Animals/Big cats/");
    EXPECT_EQ(resolveFolder(base, "Missing/"), base + "Missing/");
}
