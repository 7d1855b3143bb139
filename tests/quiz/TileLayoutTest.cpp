// Creating the tiles and laying them out over the window.
#include "common/Constants.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

// A Colours deal on a grid of the size menu's item `sizeItem`.
void dealColours(QuizWindow &t, int sizeItem)
{
    t.w().settings().MNU_Size_Click(sizeItem);
    t.w().MNU_Game_Click(GameColours);
}

// Stacking position among the play area's children (higher is in front).
int stackIndex(QWidget *w) { return int(w->parentWidget()->children().indexOf(w)); }

} // namespace

TEST(TileLayout, TilesFillTheClientAreaRowByRowAndOnlyAGridFollowsItsSize)
{
    QuizWindow t(1, QSize(300, 240)); // 4500 by 3600 twips
    Educate &w = t.w();
    dealColours(t, 0);
    // 3 x 3 on 300 x 240 pixels; the tile's three layers share its place.
    const QRect fifth(100, 80, 100, 80);
    for (QWidget *layer : {(QWidget *)w.Answer(5), (QWidget *)w.Question(5), (QWidget *)w.Img(5)})
        EXPECT_EQ(layer->geometry(), fifth);
    EXPECT_EQ(w.Img(0)->geometry(), QRect(0, 0, 300, 240)) << "the backdrop covers the area";
    for (int k = 2; k <= 9; ++k)
        EXPECT_EQ(w.Answer(k)->fontSize(), w.Question(1)->fontSize()) << "one size for all";

    // With no grid only the backdrop follows the window.
    w.shell.GridMax = 0;
    t.setPlayArea(QSize(450, 300));
    w.layout().ReDraw();
    EXPECT_EQ(w.Img(0)->geometry(), QRect(0, 0, 450, 300));
    EXPECT_EQ(w.Answer(5)->geometry(), fifth);
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
    }
    dealColours(t, 0);
    const QSize laidOut = w.size();
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

    // Spelling and Letters: the picture covers the caption, but for a strip above it.
    w.shell.CurrentSubject = QStringLiteral("Letters");
    w.layout().ReDraw();
    EXPECT_GT(stackIndex(w.Img(4)), stackIndex(w.Answer(4)));
    // A 20-pixel (300 twips) strip above the picture shows the caption at size 10.
    EXPECT_EQ(w.Img(4)->geometry(), QRect(0, 100, 100, 60));
    EXPECT_EQ(w.Answer(4)->fontSize(), 10);
    EXPECT_EQ(w.Img(1)->geometry(), QRect(0, 0, 100, 80)) << "position 1 keeps its place";
}
