// The Sounds game: sounds paired with pictures, and a grid that shrinks to fit them.
#include "quiz/SoundsGame.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "quiz/GameDraws.h"
#include "quiz/QuizGames.h"
#include "quiz/SoundPairs.h"
#include "shell/Settings.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tw;

TEST(SoundsGame, SoundsPairWithTheFirstSubjectsPictureOfTheSameName)
{
    test::GameWindow tw;
    Educate &w = tw.w();
    const QDir app(tw.appDir.path());
    // Owl has no picture; Misc (subject 1) is searched before Animals; Dogfish
    // is not Dog's picture; the last extra subject counts too.
    for (const char *file :
         {"Sounds/Cat.wav", "Sounds/COW.WAV", "Sounds/Owl.wav", "Sounds/Dog.wav",
          "Sounds/Zebra.wav", "Animals/Cat.png", "Misc/cat.jpg", "Animals/Caterpillar.png",
          "Animals/cow.png", "Animals/Dogfish.png", "Animals/Dog.v2.png", "Extra10/Zebra.png"}) {
        // An empty file: sounds and pictures are paired by their names alone.
        app.mkpath(QFileInfo(QLatin1String(file)).path());
        ASSERT_TRUE(test::writeFile(app.filePath(QLatin1String(file)), "x"));
    }
    for (int k = 6; k <= 10; ++k)
        w.shell.SubjectFolder[k] = QStringLiteral("Extra%1/").arg(k);
    w.shell.SubjectCount = 10;

    ASSERT_EQ(w.games().sounds().BuildSoundTables(), 4);
    const char *const pairs[][2] = {{"Sounds/Cat.wav", "Misc/cat.jpg"},
                                    {"Sounds/COW.WAV", "Animals/cow.png"},
                                    {"Sounds/Dog.wav", "Animals/Dog.v2.png"},
                                    {"Sounds/Zebra.wav", "Extra10/Zebra.png"}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w.quiz.SoundList[i], app.filePath(QLatin1String(pairs[i - 1][0])));
        EXPECT_EQ(w.quiz.PictureList[i], app.filePath(QLatin1String(pairs[i - 1][1])));
    }
    EXPECT_EQ(w.quiz.SoundList[5], "");
}

TEST(SoundPairs, AtMostTheGivenNumberInNameOrder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("S");
    QDir(dir.path()).mkpath("P");
    for (int i = 0; i < 305; ++i) {
        const QString name = QStringLiteral("N%1").arg(i, 3, 10, QChar('0'));
        test::writeFile(dir.filePath("S/" + name + ".wav"), "x");
        test::writeFile(dir.filePath("P/" + name + ".png"), "x");
    }
    const QList<SoundPair> pairs
        = pairSoundsWithPictures(dir.filePath("S/"), {dir.filePath("P/")}, 300);
    ASSERT_EQ(pairs.size(), 300);
    EXPECT_TRUE(pairs.last().sound.endsWith("N299.wav"));
}

TEST(SoundsGrid, TheLargestSquareThatFits)
{
    const std::pair<int, int> cases[] = {{0, 0},  {3, 1},  {4, 2},    {8, 2},    {9, 3},
                                         {21, 4}, {25, 5}, {170, 13}, {301, 17}, {400, 20}};
    for (auto [total, side] : cases)
        EXPECT_EQ(fittingSide(total), side) << total;
}

// 20 sounds on 5 x 5: the largest square they fill, 4 x 4, with its size item
// checked; the deal plays the first sound at once.
TEST(SoundsGame, TheGridShrinksToTheSoundsAndTheDealPlaysTheFirstSound)
{
    test::GameWindow tw;
    Educate &w = tw.w();
    const QDir app(tw.appDir.path());
    test::addPictures(app.path(), QStringLiteral("Animals"), test::shortNames(20));
    test::addSounds(app.path(), test::shortNames(20));
    w.settings().MNU_Size_Click(2);
    w.MNU_Game_Click(GameSounds);
    EXPECT_EQ(w.shell.GridMax, 3);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), 1);
    ASSERT_FALSE(tw.fakes.sound->opened.isEmpty());
    EXPECT_TRUE(tw.fakes.sound->opened.first().startsWith(app.filePath("Sounds/")));
    // Every answer tile shows the picture of one of the sounds.
    for (int i = 2; i <= 16; ++i)
        EXPECT_TRUE(w.Img(i)->hasPicture()) << i;
    // The question is heard, not read: its tile shows a loudspeaker to click.
    EXPECT_TRUE(w.Question(1)->text().contains(QString::fromUtf8("\U0001F50A")));
}
