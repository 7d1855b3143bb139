// The Pairs memory game: dealing, turning, matching and the grid changes.
#include "quiz/PairsGame.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "quiz/QuizGames.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <map>

using namespace tw;
using namespace tw::test;

namespace {

// A card is face up when its picture lies above its cover.
bool faceUp(Educate &w, int p)
{
    const QObjectList &order = w.playArea()->children();
    return order.indexOf(w.Img(p)) > order.indexOf(w.Answer(p));
}

struct PairsWindow : GameWindow
{
    explicit PairsWindow(std::uint32_t seed, int pictures = 20)
        : GameWindow(seed)
    {
        addPictures(w().shell.AppFolder, QStringLiteral("Animals"), shortNames(pictures));
        addSounds(w().shell.AppFolder, {shortNames(pictures).value(1)});
        checkSubjects(w(), MenuId::MNU_PairSubject, {2});
    }
};

} // namespace

TEST(PairsGame, ThreeByThreeBecomesFourByFourWithEveryPictureOnTwoCards)
{
    PairsWindow t(1);
    Educate &w = t.w();
    w.MNU_Game_Click(GamePairs);
    ASSERT_EQ(w.shell.GridMax, 3);
    const auto cards = t.cardsByName(16);
    EXPECT_EQ(cards.size(), 8u);
    for (const auto &[name, places] : cards) {
        EXPECT_EQ(places.size(), 2u) << name.toStdString();
        EXPECT_EQ(w.Img(places[0])->picture(), w.Img(places[1])->picture());
    }
    for (int p = 1; p <= 16; ++p) {
        EXPECT_TRUE(w.Answer(p)->isVisible());
        EXPECT_EQ(w.Answer(p)->text(), QStringLiteral("\n?"));
        EXPECT_FALSE(faceUp(w, p));
    }
}

TEST(PairsGame, AMatchIsRemovedAfterTheDisplayAndClicksMeanwhileDoNothing)
{
    PairsWindow t(2);
    Educate &w = t.w();
    w.MNU_Game_Click(GamePairs);
    const auto cards = t.cardsByName(16);
    const auto &pair = cards.begin()->second;
    const int other = cards.rbegin()->second[0];
    QuizWindow::click(w.Answer(pair[0]));
    EXPECT_TRUE(faceUp(w, pair[0]));
    int clicksDuringDisplay = 0;
    t.fakes.pump->onPump = [&] {
        if (clicksDuringDisplay++ == 0) {
            QuizWindow::click(w.Answer(other));
            EXPECT_FALSE(faceUp(w, other));
        }
    };
    const double before = t.fakes.clock->now;
    QuizWindow::click(w.Answer(pair[1]));
    t.fakes.pump->onPump = nullptr;
    EXPECT_GT(clicksDuringDisplay, 0);
    EXPECT_GE(t.fakes.clock->now - before, PairsGame::kShowSeconds);
    EXPECT_TRUE(w.Answer(pair[0])->isHidden());
    EXPECT_TRUE(w.Img(pair[1])->isHidden());
    EXPECT_EQ(w.quiz.PairsFound, 2);
    EXPECT_FALSE(w.quiz.PairOpen);
    EXPECT_FALSE(faceUp(w, other));
    // The pair's own sound plays when there is one, else the chimes.
    const QString name = cards.begin()->first;
    ASSERT_FALSE(t.fakes.sound->opened.isEmpty());
    EXPECT_TRUE(t.fakes.sound->opened.last().endsWith(name == QStringLiteral("Ab")
                                                          ? QStringLiteral("Sounds/Ab.wav")
                                                          : QStringLiteral("Chimes.wav")))
        << t.fakes.sound->opened.last().toStdString();
}

TEST(PairsGame, ASecondClickOnTheOpenCardOrAMismatchIsAFailedTurn)
{
    PairsWindow t(3);
    Educate &w = t.w();
    w.MNU_Game_Click(GamePairs);
    QuizWindow::click(w.Answer(5));
    QuizWindow::click(w.Answer(5));
    EXPECT_FALSE(faceUp(w, 5));
    EXPECT_FALSE(w.quiz.PairOpen);
    EXPECT_EQ(w.quiz.PairsFound, 0);
    EXPECT_TRUE(w.Answer(5)->isVisible());
    // Two different pictures turn back too.
    const auto cards = t.cardsByName(16);
    const int a = cards.begin()->second[0], b = cards.rbegin()->second[0];
    QuizWindow::click(w.Answer(a));
    QuizWindow::click(w.Answer(b));
    EXPECT_FALSE(faceUp(w, a));
    EXPECT_FALSE(faceUp(w, b));
    // A card left open is forgotten by the next deal.
    QuizWindow::click(w.Answer(3));
    ASSERT_TRUE(w.quiz.PairOpen);
    w.MNU_Game_Click(GamePairs);
    EXPECT_FALSE(w.quiz.PairOpen);
    QuizWindow::click(w.Answer(3));
    EXPECT_TRUE(faceUp(w, 3)) << "the first card of a fresh turn";
}

TEST(PairsGame, TooFewPicturesWidenTheSubjects)
{
    // 10 pictures on 4 x 4: one more subject is switched on.
    PairsWindow t(5, 10);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Misc"), shortNames(8, QLatin1Char('M')));
    w.settings().MNU_Size_Click(1);
    w.MNU_Game_Click(GamePairs);
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_PairSubject, 1));
    EXPECT_EQ(w.shell.GridMax, 3);
    EXPECT_EQ(t.cardsByName(16).size(), 8u);
}
