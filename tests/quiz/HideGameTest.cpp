// Hide and Seek: pictures under cards, found by their sounds.
#include "quiz/HideGame.h"
#include "common/Constants.h"
#include "quiz/GameContent.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

struct HideWindow : GameWindow
{
    explicit HideWindow(std::uint32_t seed, int sounds)
        : GameWindow(seed)
    {
        const QStringList names = shortNames(sounds);
        addPictures(w().shell.AppFolder, QStringLiteral("Animals"), names);
        addSounds(w().shell.AppFolder, names);
    }
    // The card that hides the picture of the sound asked now.
    int hidingCard() { return rightTile(); }
    QString lastSound() const { return fakes.sound->opened.value(fakes.sound->opened.size() - 1); }
    QString askedSound() { return w().quiz.SoundList[w().quiz.ItemValue[w().quiz.QuestionTile]]; }
};

} // namespace

// Eight sounds cannot fill nine cards: 2 x 2.
TEST(HideGame, TheGridFitsTheSounds)
{
    HideWindow t(1, 8);
    t.w().MNU_Game_Click(GameHideAndSeek);
    EXPECT_EQ(t.w().shell.GridMax, 1);
    EXPECT_EQ(QuizWindow::visibleCount(t.w().Answer, 4), 4) << "every card is covered";
    EXPECT_EQ(t.lastSound(), t.askedSound()) << "the first sound plays at once";
}

TEST(HideGame, AWrongCardIsCoveredAgainAndFindingEveryPictureEndsTheGame)
{
    HideWindow t(2, 9);
    Educate &w = t.w();
    w.MNU_Game_Click(GameHideAndSeek);
    const int asked = w.quiz.QuestionTile;
    const QString sound = t.askedSound();
    const int wrong = t.hidingCard() == 2 ? 3 : 2;
    const double before = t.fakes.clock->now;
    QuizWindow::click(w.Answer(wrong));
    EXPECT_GE(t.fakes.clock->now - before, HideGame::kShowSeconds);
    EXPECT_TRUE(w.Answer(wrong)->isVisible());
    const QObjectList &order = w.playArea()->children();
    EXPECT_GT(order.indexOf(w.Answer(wrong)), order.indexOf(w.Img(wrong))) << "covered again";
    EXPECT_EQ(w.quiz.QuestionTile, asked);
    EXPECT_EQ(t.lastSound(), sound) << "the same sound replays";
    EXPECT_EQ(w.quiz.HideFoundCount, 0);

    for (int found = 1; found <= 9; ++found) {
        ASSERT_FALSE(t.againEnabled());
        const int card = t.hidingCard();
        QuizWindow::click(w.Answer(card));
        EXPECT_TRUE(w.Answer(card)->isHidden());
        if (found < 9) {
            EXPECT_EQ(w.quiz.HideFoundCount, found);
            EXPECT_FALSE(w.quiz.HideFound[w.quiz.QuestionTile]) << "the next sound is new";
            EXPECT_EQ(t.lastSound(), t.askedSound());
        }
    }
    EXPECT_TRUE(t.againEnabled());
    EXPECT_EQ(w.quiz.HideFoundCount, 0);
    EXPECT_TRUE(t.lastSound().endsWith(QStringLiteral("Chimes.wav"))) << "no further prompt";
    // A new game starts counting afresh.
    w.MNU_Again_Click();
    EXPECT_EQ(w.quiz.HideFoundCount, 0);
    EXPECT_EQ(QuizWindow::visibleCount(w.Answer, 9), 9);
}
