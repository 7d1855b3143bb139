// Marking, busy flags, presenting questions, and what the tiles of a deal show.
#include "common/Constants.h"
#include "quiz/GameContent.h"
#include "quiz/SoundPlayer.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

// A picture whose width tells it apart from the others.
void writePicture(const QString &path, int width)
{
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(writeImage(path, "png", Qt::darkGreen, QSize(width, 4)));
}

// Deals `subject` on a grid of side `gridMax` + 1 from the item tables as they are.
void deal(Educate &w, const char *subject, int gridMax, int items)
{
    w.shell.GridMax = gridMax;
    w.layout().LoadLabels();
    w.shell.CurrentSubject = QLatin1String(subject);
    w.sounds().GetSample(0, 0, true);
    w.engine().DoQuizOrder(items + 1);
}

} // namespace

TEST(QuizEngine, ClicksWaitWhileBusyAQuestionClickPresentsItAndARightAnswerChimes)
{
    QuizWindow t;
    Educate &w = t.w();
    w.MNU_Game_Click(GameColours);
    const int right = t.rightTile();
    // Asked as a sound question, a click on the question plays the item's sound.
    const QString cow = w.shell.AppFolder + QStringLiteral("Sounds/Cow.wav");
    w.shell.CurrentSubject = QStringLiteral("Sounds");
    w.quiz.SoundList[w.quiz.ItemValue[1]] = cow;
    w.shell.TickCount = 3;
    // While an answer is marked, then while a game is set up, a click does nothing.
    for (bool marking : {true, false}) {
        w.setHourglass(marking);
        w.shell.Loading = !marking;
        if (marking) // a question is presented as soon as the quiz is not busy
            QuizWindow::click(w.Question(1));
        QuizWindow::click(w.Answer(right));
        EXPECT_EQ(w.quiz.QuestionTile, 1);
        EXPECT_NE(w.sounds().SoundFile, cow);
    }
    w.shell.Loading = false;
    QuizWindow::click(w.Question(1));
    EXPECT_EQ(w.sounds().SoundFile, cow);
    EXPECT_EQ(w.shell.TickCount, 0) << "the 11-second cycle starts again";

    w.shell.CurrentSubject = QStringLiteral("Colour");
    t.fakes.clock->advance(40);
    QuizWindow::click(w.Answer(right));
    EXPECT_EQ(w.quiz.QuestionTile, right);
    EXPECT_EQ(w.shell.QuestionStart, w.nowSeconds()) << "the question clock starts again";
    EXPECT_EQ(w.sounds().SoundFile, w.shell.AppFolder + QStringLiteral("Chimes.wav"));
    EXPECT_FALSE(w.hourglass());
}

TEST(QuizEngine, InitialLettersFindAPicturePerLetter)
{
    GameWindow t(4);
    Educate &w = t.w();
    // A picture for every letter but Q and X, spread over two folders.
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QString folder = c < 'M' ? QStringLiteral("Misc/") : QStringLiteral("Animals/");
        if (c != 'Q' && c != 'X')
            writePicture(w.shell.AppFolder + folder + QLatin1Char(c) + "thing.png", c);
    }
    deal(w, "Letters", 4, 26); // 5 x 5: 24 of the 26 letters
    for (int k = 1; k < 25; ++k) {
        const QString caption = w.Question(k)->text();
        ASSERT_EQ(caption.size(), 4) << caption.toStdString();
        const QChar letter = caption.at(1);
        EXPECT_EQ(caption, QStringLiteral("\n%1 %2").arg(letter).arg(letter.toLower()));
        const int r = w.Question(k)->tag.toInt();
        const bool none = letter == QLatin1Char('Q') || letter == QLatin1Char('X');
        EXPECT_EQ(w.Answer(r)->text(), none ? QString() : QString(letter) + "thing");
        EXPECT_EQ(w.Img(r)->picture().width(), none ? 0 : letter.unicode());
    }
}

// 20 flags on 5 x 5: 4 x 4. Each answer shows the flag its question names, and
// the flag lies over its answer tile, so the child's click lands on the picture.
TEST(QuizEngine, FlagsShowTheNamedFlagAndAClickOnItReachesItsTile)
{
    GameWindow t(1);
    Educate &w = t.w();
    const QString flags = w.shell.AppFolder + QStringLiteral("Flags/");
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(20));
    w.settings().MNU_Size_Click(2);
    w.MNU_Game_Click(GameFlags);
    ASSERT_EQ(w.shell.GridMax, 3);
    for (int k = 1; k < 16; ++k) {
        const QImage named(flags + w.Question(k)->text().mid(1) + QStringLiteral(".png"));
        const int r = w.Question(k)->tag.toInt();
        ASSERT_FALSE(named.isNull()) << w.Question(k)->text().toStdString();
        EXPECT_EQ(w.Img(r)->picture().pixel(0, 0), named.pixel(0, 0));
        EXPECT_EQ(w.Answer(r)->text(), QString());
    }
    const int right = t.rightTile();
    const QPoint centre = w.Answer(right)->geometry().center();
    QWidget *top = w.playArea()->childAt(centre);
    ASSERT_NE(qobject_cast<PictureTile *>(top), nullptr);
    QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(w.playArea(), centre));
    EXPECT_EQ(w.quiz.QuestionTile, right); // marked right: the answer asks next
}
