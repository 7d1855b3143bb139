// Marking, busy flags, presenting, typed answers and tile content.
#include "QuizWindow.h"
#include "common/MenuId.h"
#include "quiz/PictureFiles.h"

#include "common/Constants.h"
#include "quiz/QuizGames.h"
#include "quiz/SoundPlayer.h"
#include "shell/Settings.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::QuizWindow;

void startColours(QuizWindow &t, int sizeItem = 0)
{
    t.w().settings().MNU_Size_Click(sizeItem);
    t.w().MNU_Game_Click(GameColours);
}

// A picture whose width tells it apart from the others.
void writePicture(const QString &path, int width)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(test::writeImage(path, "png", Qt::darkGreen, QSize(width, 4)));
}

TEST(QuizEngine, ClicksAreIgnoredWhileBusyAndARightOneChimes)
{
    QuizWindow t;
    Educate &w = t.w();
    startColours(t);
    const int right = t.rightTile();

    w.setHourglass(true); // an answer is being marked
    QuizWindow::click(w.Answer(right));
    EXPECT_EQ(w.quiz.QuestionTile, 1);
    EXPECT_TRUE(w.Answer(right)->isVisible());

    w.setHourglass(false);
    w.shell.Loading = true; // a game is being set up
    QuizWindow::click(w.Answer(right));
    EXPECT_EQ(w.quiz.QuestionTile, 1);
    w.shell.Loading = false;

    t.fakes.clock->advance(40);
    QuizWindow::click(w.Answer(right));
    EXPECT_EQ(w.quiz.QuestionTile, right);
    // A right answer chimes and starts the question clock again.
    EXPECT_EQ(w.shell.QuestionStart, w.nowSeconds());
    EXPECT_EQ(w.sounds().SoundFile, w.shell.AppFolder + QStringLiteral("Chimes.wav"));
    EXPECT_FALSE(w.Answer(right)->isVisible());
    EXPECT_TRUE(w.Question(right)->isVisible()) << "the next question shows where the answer was";
    EXPECT_FALSE(w.Question(1)->isVisible());
    EXPECT_FALSE(w.hourglass());
}

TEST(QuizEngine, ClickingTheQuestionPresentsItAtOnce)
{
    QuizWindow t;
    Educate &w = t.w();
    startColours(t);
    // A sound question: the tick plays the item's sound.
    w.shell.CurrentSubject = QStringLiteral("Sounds");
    w.quiz.ItemValue[1] = 4;
    w.quiz.SoundList[4] = w.shell.AppFolder + QStringLiteral("Sounds/Cow.wav");
    w.shell.TickCount = 3;

    w.setHourglass(true);
    QuizWindow::click(w.Question(1));
    EXPECT_NE(w.sounds().SoundFile, w.quiz.SoundList[4]) << "not while busy";
    EXPECT_EQ(w.shell.TickCount, 3);

    w.setHourglass(false);
    QuizWindow::click(w.Question(1));
    EXPECT_EQ(w.sounds().SoundFile, w.quiz.SoundList[4]);
    EXPECT_EQ(w.shell.TickCount, 0) << "the 11-second cycle starts again";
    EXPECT_FALSE(w.hourglass());
}

TEST(QuizEngine, PictureSubjectsShowTheItemsPictureAndName)
{
    QuizWindow t(9);
    Educate &w = t.w();
    // Ten flags whose widths tell them apart.
    const int m = 10;
    for (int i = 1; i <= m; ++i) {
        const QString name = QStringLiteral("Land%1.png").arg(i);
        writePicture(w.shell.AppFolder + QStringLiteral("Flags/") + name, 10 + i);
        w.quiz.PictureList[i] = w.shell.AppFolder + QStringLiteral("Flags/") + name;
        w.quiz.FileList[i] = QStringLiteral("Flags/") + name;
    }
    w.shell.GridMax = 2;
    w.layout().LoadLabels();
    w.shell.CurrentSubject = QStringLiteral("Flags");
    w.sounds().GetSample(0, 0, true);
    w.engine().DoQuizOrder(m + 1);
    EXPECT_EQ(w.quiz.QuestionTile, 1);

    for (int k = 1; k < 9; ++k) {
        const long v = w.quiz.ItemValue[k];
        ASSERT_TRUE(v >= 1 && v <= m);
        const int r = w.Question(k)->tag.toInt();
        EXPECT_EQ(w.Question(k)->text(), QStringLiteral("\nLand%1").arg(v));
        EXPECT_EQ(w.Img(r)->picture().width(), 10 + v) << "the answer shows the named flag";
        EXPECT_EQ(w.Answer(r)->text(), QString());
    }
}

TEST(QuizEngine, InitialLettersFindAPicturePerLetter)
{
    QuizWindow t(4);
    Educate &w = t.w();
    for (int f = 1; f <= 4; ++f)
        w.shell.SubjectFolder[f]
            = QStringList {{}, "Misc/", "Animals/", "Fruit_Veg/", "Transport/"}[f];
    // A picture for every letter but Q and X, spread over two folders.
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (c == 'Q' || c == 'X')
            continue;
        const QString folder = c < 'M' ? QStringLiteral("Misc/") : QStringLiteral("Animals/");
        writePicture(w.shell.AppFolder + folder + QLatin1Char(c) + QStringLiteral("thing.png"), c);
    }
    w.settings().MNU_Size_Click(2); // 5 x 5: 24 of the 26 letters
    w.layout().LoadLabels();
    w.shell.CurrentSubject = QStringLiteral("Letters");
    w.sounds().GetSample(0, 0, true);
    w.engine().DoQuizOrder(27);
    for (int k = 1; k < 25; ++k) {
        const QString caption = w.Question(k)->text();
        ASSERT_EQ(caption.size(), 4) << caption.toStdString();
        const QChar letter = caption.at(1);
        EXPECT_EQ(caption, QStringLiteral("\n%1 %2").arg(letter).arg(letter.toLower()));
        const int r = w.Question(k)->tag.toInt();
        if (letter == QLatin1Char('Q') || letter == QLatin1Char('X')) {
            EXPECT_EQ(w.Answer(r)->text(), QString()) << "no picture for this letter";
            EXPECT_FALSE(w.Img(r)->hasPicture());
        } else {
            EXPECT_EQ(w.Answer(r)->text(), QString(letter) + QStringLiteral("thing"));
            EXPECT_EQ(w.Img(r)->picture().width(), letter.unicode());
        }
    }
}

} // namespace
} // namespace tw
