// The Colours game: names on the questions, swatches on the answers, played to the end.
#include "quiz/ColoursGame.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <set>

using namespace tw;
using namespace tw::test;

namespace {

long colourOf(const QString &caption)
{
    for (const ColourItem &c : kColourTable)
        if (caption == QLatin1Char('\n') + QLatin1String(c.name))
            return c.value;
    return -1;
}

} // namespace

TEST(ColourGame, EachGridAsksTheColoursOfItsQuestionSlotsOnceAndEndsWithPlayAgain)
{
    // The size menu's item, and the side of the grid played: 20 x 20 plays on 4 x 4.
    for (const auto &[sizeItem, side] : {std::pair(0, 3), std::pair(1, 4), std::pair(17, 4)}) {
        SCOPED_TRACE(sizeItem);
        QuizWindow t(11);
        Educate &w = t.w();
        w.settings().MNU_Size_Click(sizeItem);
        w.MNU_Game_Click(GameColours);
        const int n = side * side;
        ASSERT_EQ(w.Answer.count(), n);
        EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), side - 3);

        // Before any answer: one question shows, every answer but tile 1 shows
        // a swatch, and the right swatch has the colour the question names.
        EXPECT_EQ(QuizWindow::visibleCount(w.Question, n), 1);
        EXPECT_EQ(QuizWindow::visibleCount(w.Answer, n), n - 1);
        std::set<QString> expected;
        for (int k = 1; k < n; ++k) {
            const TileLabel *q = w.Question(k);
            EXPECT_EQ(w.Answer(q->tag.toInt())->backColour(), colourOf(q->text()));
            expected.insert(QLatin1Char('\n') + QLatin1String(kColourTable[k - 1].name));
        }
        const QStringList asked = t.playDealRight(n);
        EXPECT_TRUE(t.againEnabled()) << "the last right answer enables Play Again";
        EXPECT_EQ(asked.size(), n - 1);
        EXPECT_EQ(std::set<QString>(asked.begin(), asked.end()), expected) << "slots 1 to N-1";
        EXPECT_EQ(w.quiz.AwaitingAnswer, 0) << "no time limit runs after the deal";
        // Resizing the window afterwards lays the board out but brings no tile back.
        t.setPlayArea(QSize(700, 500));
        EXPECT_NEAR(w.Answer(2)->width(), 700.0 / side, 1.0); // edges are whole pixels
        EXPECT_EQ(QuizWindow::visibleCount(w.Answer, n), 0);
        EXPECT_EQ(QuizWindow::visibleCount(w.Question, n), 0);
    }
}

TEST(ColourGame, AWrongClickStartsANewDeal)
{
    QuizWindow t(5);
    Educate &w = t.w();
    w.settings().MNU_Size_Click(1);
    w.MNU_Game_Click(GameColours);
    const int n = 16;
    // Answer two right, then a wrong one.
    QuizWindow::click(w.Answer(t.rightTile()));
    QuizWindow::click(w.Answer(t.rightTile()));
    int wrong = 2;
    while (wrong < n && (wrong == t.rightTile() || !w.Answer(wrong)->isVisible()))
        ++wrong;
    ASSERT_NE(wrong, t.rightTile());
    const double clockBefore = t.fakes.clock->now;
    QuizWindow::click(w.Answer(wrong));

    EXPECT_GE(t.fakes.clock->now - clockBefore, 1.0) << "a pause after the error sound";
    EXPECT_EQ(w.quiz.QuestionTile, 1);
    EXPECT_FALSE(w.hourglass());
    EXPECT_EQ(QuizWindow::visibleCount(w.Answer, n), n - 1) << "all swatches are back";
}
