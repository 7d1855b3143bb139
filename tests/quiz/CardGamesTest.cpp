// The card games: Pairs (dealing, turning, matching, the grid changes) and Hide
// and Seek (pictures under cards, found by their sounds).
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "quiz/HideGame.h"
#include "quiz/PairsGame.h"

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

// Card games on `pictures` pictures of Animals, some with sounds, on the 3 x 3
// grid chosen.
struct CardWindow : GameWindow
{
    CardWindow(std::uint32_t seed, int pictures, const QStringList &sounds)
        : GameWindow(seed)
    {
        addPictures(w().shell.AppFolder, QStringLiteral("Animals"), shortNames(pictures));
        addSounds(w().shell.AppFolder, sounds);
        checkSubjects(w(), MenuId::MNU_PairSubject, {2});
    }
    // A card is face up when its picture lies above its cover.
    bool faceUp(int p)
    {
        const QObjectList &order = w().playArea()->children();
        return order.indexOf(w().Img(p)) > order.indexOf(w().Answer(p));
    }
};

} // namespace

TEST(PairsGame, DealtCoveredAndAMatchIsRemovedAfterTheDisplayWhileClicksDoNothing)
{
    CardWindow t(2, 20, {QStringLiteral("Ab")});
    Educate &w = t.w();
    w.MNU_Game_Click(GamePairs);
    ASSERT_EQ(w.shell.GridMax, 3) << "3 x 3 has an odd number of cards: 4 x 4";
    const auto cards = t.cardsByName(16);
    ASSERT_EQ(cards.size(), 8u);
    const auto &pair = cards.begin()->second;
    const int other = cards.rbegin()->second[0];
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(w.Img(pair[0])->picture(), w.Img(pair[1])->picture());
    for (int p = 1; p <= 16; ++p)
        EXPECT_FALSE(t.faceUp(p)) << "every card starts covered";
    QuizWindow::click(w.Answer(pair[0]));
    EXPECT_TRUE(t.faceUp(pair[0]));
    int pumps = 0;
    t.fakes.pump->onPump = [&] {
        if (pumps++ == 0)
            QuizWindow::click(w.Answer(other));
    };
    const double before = t.fakes.clock->now;
    QuizWindow::click(w.Answer(pair[1]));
    t.fakes.pump->onPump = nullptr;
    EXPECT_GE(t.fakes.clock->now - before, PairsGame::kShowSeconds);
    EXPECT_TRUE(w.Answer(pair[0])->isHidden());
    EXPECT_TRUE(w.Img(pair[1])->isHidden());
    EXPECT_EQ(w.quiz.PairsFound, 2);
    EXPECT_FALSE(w.quiz.PairOpen);
    EXPECT_FALSE(t.faceUp(other));
    // The pair's own sound plays when there is one, else the chimes.
    const bool own = cards.begin()->first == QStringLiteral("Ab");
    EXPECT_TRUE(
        t.fakes.sound->opened.value(t.fakes.sound->opened.size() - 1)
            .endsWith(own ? QStringLiteral("Sounds/Ab.wav") : QStringLiteral("Chimes.wav")));
}

TEST(PairsGame, ASecondClickOnTheOpenCardOrAMismatchIsAFailedTurn)
{
    CardWindow t(3, 20, {});
    Educate &w = t.w();
    w.MNU_Game_Click(GamePairs);
    QuizWindow::click(w.Answer(5));
    QuizWindow::click(w.Answer(5));
    EXPECT_FALSE(t.faceUp(5));
    EXPECT_FALSE(w.quiz.PairOpen);
    // Two different pictures turn back too.
    const auto cards = t.cardsByName(16);
    const int a = cards.begin()->second[0], b = cards.rbegin()->second[0];
    QuizWindow::click(w.Answer(a));
    QuizWindow::click(w.Answer(b));
    EXPECT_FALSE(t.faceUp(a));
    EXPECT_FALSE(t.faceUp(b));
    EXPECT_EQ(w.quiz.PairsFound, 0);
    // A card left open is forgotten by the next deal.
    QuizWindow::click(w.Answer(3));
    ASSERT_TRUE(w.quiz.PairOpen);
    w.MNU_Game_Click(GamePairs);
    EXPECT_FALSE(w.quiz.PairOpen);
    QuizWindow::click(w.Answer(3));
    EXPECT_TRUE(t.faceUp(3)) << "the first card of a fresh turn";
}

// Eight sounds cannot fill nine cards: 2 x 2.
TEST(HideGame, TheGridFitsTheSoundsAWrongCardIsCoveredAgainAndFindingEveryPictureEnds)
{
    CardWindow t(2, 8, shortNames(8));
    Educate &w = t.w();
    const QStringList &opened = t.fakes.sound->opened;
    const auto askedSound
        = [&w] { return w.quiz.SoundList[w.quiz.ItemValue[w.quiz.QuestionTile]]; };
    w.MNU_Game_Click(GameHideAndSeek);
    ASSERT_EQ(w.shell.GridMax, 1);
    ASSERT_FALSE(opened.isEmpty());
    EXPECT_EQ(opened.last(), askedSound()) << "the first sound plays at once";
    const int asked = w.quiz.QuestionTile;
    const int wrong = t.rightTile() == 2 ? 3 : 2;
    const double before = t.fakes.clock->now;
    QuizWindow::click(w.Answer(wrong));
    EXPECT_GE(t.fakes.clock->now - before, HideGame::kShowSeconds);
    EXPECT_FALSE(t.faceUp(wrong)) << "covered again";
    EXPECT_EQ(w.quiz.QuestionTile, asked);
    EXPECT_EQ(opened.last(), askedSound()) << "the same sound replays";

    for (int found = 1; found <= 4; ++found) {
        ASSERT_FALSE(t.againEnabled());
        const int card = t.rightTile();
        QuizWindow::click(w.Answer(card));
        EXPECT_TRUE(w.Answer(card)->isHidden());
        if (found < 4) {
            EXPECT_FALSE(w.quiz.HideFound[w.quiz.QuestionTile]) << "the next sound is new";
            EXPECT_EQ(opened.last(), askedSound());
        }
    }
    EXPECT_TRUE(t.againEnabled());
    EXPECT_TRUE(opened.last().endsWith(QStringLiteral("Chimes.wav"))) << "no further prompt";
}
