// The Sounds game: sounds paired with pictures, and a grid that shrinks to fit them.
#include "quiz/SoundsGame.h"
#include "common/MenuId.h"
#include "quiz/GameDraws.h"
#include "quiz/QuizGames.h"
#include "quiz/SoundPairs.h"
#include "quiz/SoundPlayer.h"

#include "quiz/GameContent.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tw;

namespace {

struct SoundsQuiz : ::testing::Test
{
    test::GameWindow tw;
    Educate &w = tw.w();
    QDir app {tw.appDir.path()};

    void SetUp() override
    {
        for (const char *name : {"Misc", "Animals", "Sounds"})
            app.mkpath(QString::fromLatin1(name));
    }
    void sound(const QString &name)
    {
        ASSERT_TRUE(test::writeWave(app.filePath("Sounds/" + name), 0.1));
    }
    void picture(const QString &relative)
    {
        ASSERT_TRUE(test::writeImage(app.filePath(relative), "png", Qt::red, QSize(4, 4)));
    }
    // `count` sounds, each with a picture in Animals.
    void animals(int count)
    {
        for (int i = 0; i < count; ++i) {
            sound(QStringLiteral("Animal%1.wav").arg(i, 2, 10, QChar('0')));
            picture(QStringLiteral("Animals/Animal%1.png").arg(i, 2, 10, QChar('0')));
        }
    }
};

} // namespace

TEST_F(SoundsQuiz, SoundsPairWithTheFirstSubjectsPictureOfTheSameName)
{
    sound("Cat.wav");
    sound("COW.WAV"); // capital extension: paired like any other
    sound("Owl.wav"); // no picture anywhere: left out
    sound("Dog.wav");
    picture("Animals/Cat.png");
    picture("Misc/cat.jpg"); // subject 1 is searched first
    picture("Animals/Caterpillar.png");
    picture("Animals/cow.png");
    picture("Animals/Dogfish.png"); // not Dog's picture
    picture("Animals/Dog.v2.png");
    for (int k = 6; k <= 10; ++k) { // the last extra subject counts too
        w.shell.SubjectFolder[k] = QStringLiteral("Extra%1/").arg(k);
        app.mkpath(QStringLiteral("Extra%1").arg(k));
    }
    w.shell.SubjectCount = 10;
    sound("Zebra.wav");
    picture("Extra10/Zebra.png");

    const int m = w.games().sounds().BuildSoundTables();
    ASSERT_EQ(m, 4);
    const QString a = app.path() + "/";
    EXPECT_EQ(w.quiz.SoundList[1], a + "Sounds/Cat.wav");
    EXPECT_EQ(w.quiz.PictureList[1], a + "Misc/cat.jpg");
    EXPECT_EQ(w.quiz.SoundList[2], a + "Sounds/COW.WAV");
    EXPECT_EQ(w.quiz.PictureList[2], a + "Animals/cow.png");
    EXPECT_EQ(w.quiz.SoundList[3], a + "Sounds/Dog.wav");
    EXPECT_EQ(w.quiz.PictureList[3], a + "Animals/Dog.v2.png");
    EXPECT_EQ(w.quiz.PictureList[4], a + "Extra10/Zebra.png");
    EXPECT_EQ(w.quiz.SoundList[5], "");
}

TEST_F(SoundsQuiz, AtMostThreeHundredSoundsFitTheTables)
{
    QList<SoundPair> pairs;
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("S");
        QDir(dir.path()).mkpath("P");
        for (int i = 0; i < 305; ++i) {
            const QString name = QStringLiteral("N%1").arg(i, 3, 10, QChar('0'));
            test::writeFile(dir.filePath("S/" + name + ".wav"), "x");
            test::writeFile(dir.filePath("P/" + name + ".png"), "x");
        }
        pairs = pairSoundsWithPictures(dir.filePath("S/"), {dir.filePath("P/")}, 300);
    }
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

// Too few sounds for the grid: the largest square that fits, with its size
// item checked, or none when no item stands for it (2 x 2); then a restart.
TEST_F(SoundsQuiz, TooFewSoundsForTheGridRestartOnTheLargestSquareThatFits)
{
    const struct
    {
        int sounds, gridMax, newGridMax, checkedItem;
    } cases[] = {{3, 2, 1, -1}, {20, 4, 3, 1}}; // the second adds to the first's sounds
    for (const auto &c : cases) {
        animals(c.sounds);
        w.shell.GridMax = c.gridMax;
        w.shell.CurrentGame = 0;
        w.shell.LastGame = 0;
        w.shell.Loading = true;
        EXPECT_EQ(w.games().sounds().LoadSounds().kind, LoadOutcome::Kind::Restart);
        EXPECT_EQ(w.shell.GridMax, c.newGridMax);
        EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), c.checkedItem) << c.sounds;
    }
}

TEST_F(SoundsQuiz, AFullGridDealsAndPlaysTheFirstSound)
{
    animals(8);
    w.shell.GridMax = 2;
    w.shell.CurrentGame = 0;
    w.shell.LastGame = 0;
    w.shell.Loading = true;
    w.layout().LoadLabels();
    w.games().sounds().LoadSounds();
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_FALSE(w.shell.Loading);
    ASSERT_FALSE(tw.fakes.sound->opened.isEmpty());
    EXPECT_TRUE(tw.fakes.sound->opened.first().startsWith(app.filePath("Sounds/Animal")));
    // Every answer tile but the first shows the picture of one of the sounds.
    int pictures = 0;
    for (int i = 2; i <= 9; ++i)
        pictures += w.Img(i) && w.Img(i)->hasPicture() ? 1 : 0;
    EXPECT_EQ(pictures, 8);
    // The question is heard, not read: its tile shows a loudspeaker to click.
    ASSERT_TRUE(w.Question(1));
    EXPECT_TRUE(w.Question(1)->text().contains(QString::fromUtf8("\U0001F50A")));
}
