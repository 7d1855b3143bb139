// Creating the tiles and laying them out over the window.
#include "QuizWindow.h"

#include "common/Constants.h"
#include "quiz/GridGeometry.h"
#include "shell/Settings.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::QuizWindow;

// A Colours deal laid out on a play area of `area` pixels.
void dealColours(QuizWindow &t, int sizeItem)
{
    t.w().settings().MNU_Size_Click(sizeItem);
    t.w().MNU_Game_Click(GameColours);
}

// Stacking position among the play area's children (higher is in front).
int stackIndex(QWidget *w) { return int(w->parentWidget()->children().indexOf(w)); }

TEST(TileLayout, TilesFillTheClientAreaRowByRowAndOnlyAGridFollowsItsSize)
{
    QuizWindow t(1, QSize(300, 240)); // 4500 by 3600 twips
    Educate &w = t.w();
    dealColours(t, 0);
    ASSERT_DOUBLE_EQ(w.scaleWidth(), 4500);
    // 3 x 3 on 300 x 240 pixels; the tile's three layers share its place.
    const QRect fifth(100, 80, 100, 80);
    for (QWidget *layer : {(QWidget *)w.Answer(5), (QWidget *)w.Question(5), (QWidget *)w.Img(5)})
        EXPECT_EQ(layer->geometry(), fifth);
    EXPECT_EQ(w.Img(0)->geometry(), QRect(0, 0, 300, 240)) << "the backdrop covers the area";

    // With no grid only the backdrop follows the window.
    const int recorded = w.layout().layoutWidth();
    w.shell.GridMax = 0;
    w.setHourglass(true);
    t.setPlayArea(QSize(450, 300));
    w.layout().ReDraw();
    EXPECT_EQ(w.Img(0)->geometry(), QRect(0, 0, 450, 300));
    EXPECT_EQ(w.Answer(5)->geometry(), fifth);
    EXPECT_EQ(w.layout().layoutWidth(), recorded);
    EXPECT_TRUE(w.hourglass()) << "the pointer is left as it is";
}

TEST(TileLayout, EveryCaptionSharesOneSizeThatFitsTheLongestName)
{
    QuizWindow t(3, QSize(600, 480));
    Educate &w = t.w();
    dealColours(t, 1);
    const double size = w.Question(1)->fontSize();
    QFont f = w.Question(1)->font();
    f.setPointSizeF(size);
    const QFontMetricsF fm(f);
    const TwipRect cell = tileRect(1, w.scaleWidth(), w.scaleHeight(), 3);
    for (int k = 1; k < 16; ++k) {
        EXPECT_EQ(w.Question(k)->fontSize(), size);
        EXPECT_EQ(w.Answer(k + 1)->fontSize(), size);
        const QString name = w.Question(k)->text().mid(1); // after the leading line break
        EXPECT_LE(fm.horizontalAdvance(name) * 15 + kFitMargin, cell.width) << name.toStdString();
    }
    EXPECT_GE(size, 8) << "a 600 x 480 board reads well";
}

TEST(TileLayout, WhileAQuestionIsOpenTheWindowSnapsBackOnceASizeWasRecorded)
{
    QuizWindow t(1, QSize(600, 480));
    Educate &w = t.w();
    {
        TileLayout fresh(w); // nothing laid out yet: nothing to snap back to
        w.shell.GridMax = 2;
        w.quiz.AwaitingAnswer = 1;
        const QSize before = w.size();
        fresh.ReDraw();
        EXPECT_EQ(w.size(), before);
        w.quiz.AwaitingAnswer = 0;
    }
    dealColours(t, 0);
    const QSize laidOut = w.size();
    EXPECT_EQ(w.layout().layoutWidth(), laidOut.width() * 15);
    EXPECT_EQ(w.layout().layoutHeight(), laidOut.height() * 15);
    const QRect tile = w.Answer(5)->geometry();

    QuizWindow::click(w.Answer(t.rightTile())); // a question is now open
    ASSERT_EQ(w.quiz.AwaitingAnswer, 1);
    w.resize(laidOut + QSize(150, 90));
    QApplication::processEvents();
    EXPECT_EQ(w.size(), laidOut);
    EXPECT_EQ(w.Answer(5)->geometry(), tile);

    // With no question open the board follows the window.
    w.quiz.AwaitingAnswer = 0;
    w.resize(laidOut + QSize(150, 90));
    QApplication::processEvents();
    EXPECT_EQ(w.size(), laidOut + QSize(150, 90));
    EXPECT_EQ(w.Answer(5)->width(), 250);
}

TEST(TileLayout, ATinyWindowNeitherCrashesNorShrinksTextBelowOnePoint)
{
    for (QSize area : {QSize(0, 0), QSize(1, 1), QSize(7, 5)}) {
        QuizWindow t;
        Educate &w = t.w();
        w.settings().MNU_Size_Click(17); // 20 x 20
        w.layout().LoadLabels();
        w.shell.CurrentSubject = QStringLiteral("Letters");
        w.Question(1)->setText(QStringLiteral("\nA a"));
        t.setPlayArea(area);
        w.layout().ReDraw();
        for (int i = 1; i <= 400; ++i) {
            ASSERT_GE(w.Answer(i)->fontSize(), 1);
            ASSERT_GE(w.Img(i)->height(), 0);
        }
    }
}

TEST(TileLayout, PositionOneShowsOnlyItsQuestionExceptInCardGames)
{
    struct Case
    {
        int game;
        bool cardShown;
    };
    for (const Case c :
         {Case {GameColours, false}, Case {GamePairs, true}, Case {GameHideAndSeek, true}}) {
        QuizWindow t;
        Educate &w = t.w();
        w.layout().LoadLabels();
        w.shell.CurrentGame = c.game;
        w.layout().ReDraw();
        EXPECT_TRUE(w.Question(1)->isVisible());
        EXPECT_EQ(w.Answer(1)->isVisible(), c.cardShown) << c.game;
        EXPECT_EQ(w.Img(1)->isVisible(), c.cardShown) << c.game;
        EXPECT_FALSE(w.Question(2)->isVisible());
        EXPECT_TRUE(w.Answer(2)->isVisible());
    }
}

TEST(TileLayout, StackingPerSubject)
{
    QuizWindow t(1, QSize(300, 240));
    Educate &w = t.w();
    w.layout().LoadLabels();
    w.shell.CurrentGame = GameColours;

    w.shell.CurrentSubject = QStringLiteral("Colour");
    w.layout().ReDraw();
    EXPECT_LT(stackIndex(w.Question(4)), stackIndex(w.Img(4)));
    EXPECT_LT(stackIndex(w.Img(4)), stackIndex(w.Answer(4))) << "the answer lies on top";

    w.shell.CurrentSubject = QStringLiteral("Flags");
    w.layout().ReDraw();
    EXPECT_GT(stackIndex(w.Img(4)), stackIndex(w.Answer(4))) << "the flag covers the caption";

    for (const char *subject : {"Spelling", "Letters"}) {
        w.shell.CurrentSubject = QLatin1String(subject);
        w.layout().ReDraw();
        // A 20-pixel (300 twips) strip above the picture shows the caption at size 10.
        EXPECT_EQ(w.Img(4)->geometry(), QRect(0, 100, 100, 60)) << subject;
        EXPECT_GT(stackIndex(w.Img(4)), stackIndex(w.Answer(4)));
        EXPECT_EQ(w.Answer(4)->fontSize(), 10);
        EXPECT_EQ(w.Img(1)->geometry(), QRect(0, 0, 100, 80)) << "position 1 keeps its place";
    }
}

} // namespace
} // namespace tw
