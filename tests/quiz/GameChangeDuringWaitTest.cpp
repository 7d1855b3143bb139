// A game chosen while a card is on show: the new deal is left as dealt.
#include "common/Constants.h"
#include "quiz/GameContent.h"

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

TEST(GameChangeDuringWait, PlayAgainDuringACardShowLeavesTheNewDealAlone)
{
    struct Case
    {
        int game;
        bool rightCard; // Pairs: the second card matches; Hide: the card hides the sound
    };
    const Case cases[] = {
        {GamePairs, true}, {GamePairs, false}, {GameHideAndSeek, true}, {GameHideAndSeek, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.game * 10 + c.rightCard);
        GameWindow t(3);
        Educate &w = t.w();
        addPictures(w.shell.AppFolder, QStringLiteral("Animals"), shortNames(9));
        addSounds(w.shell.AppFolder, shortNames(9));
        w.MNU_Game_Click(c.game);
        const int n = (w.shell.GridMax + 1) * (w.shell.GridMax + 1);

        int second = 0; // the first card turned is card 1
        if (c.game == GamePairs) {
            for (int p = 2; p <= n && !second; ++p)
                if ((w.Question(p)->text() == w.Question(1)->text()) == c.rightCard)
                    second = p;
            QuizWindow::click(w.Answer(1));
        } else {
            second = c.rightCard ? t.rightTile() : (t.rightTile() % n) + 1;
        }
        bool again = true;
        t.fakes.pump->onPump = [&] {
            if (std::exchange(again, false))
                w.MNU_Again_Click();
        };
        QuizWindow::click(w.Answer(second));
        t.fakes.pump->onPump = nullptr;

        EXPECT_FALSE(again);
        EXPECT_EQ(QuizWindow::visibleCount(w.Answer, n), n) << "every card of the new deal";
        EXPECT_FALSE(w.quiz.PairOpen);
        EXPECT_EQ(w.quiz.HideFoundCount, 0);
        EXPECT_EQ(w.shell.CardsCleared, 0);
    }
}
