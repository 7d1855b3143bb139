// The Arithmetic game: the range menus, dealing with distinct results, the
// hand-over of subtraction and division, and the abort of a deal too big.
#include "quiz/ArithmeticGame.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "quiz/QuizGames.h"
#include "quiz/QuizWindow.h"
#include "shell/FrmPass.h"
#include "shell/PasswordLock.h"
#include "shell/Settings.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

void switchOperators(Educate &w, bool add, bool sub, bool mul, bool div)
{
    SettingsValues options = w.options();
    options.AddOn = add;
    options.SubOn = sub;
    options.MulOn = mul;
    options.DivOn = div;
    w.setOptions(options);
}

// The sums asked in chain order (question captions) and the answer tile results.
QStringList sumsInChain(Educate &w, int n)
{
    QStringList sums;
    int q = 1;
    for (int s = 2; s <= n && w.Question(q); ++s) {
        sums << w.Question(q)->text();
        q = w.Question(q)->tag.toInt();
    }
    return sums;
}

} // namespace

TEST(ArithmeticGame, RangeMenusSetTheirValuesAndIgnoreIndicesWithoutAnItem)
{
    TestWindow t;
    Educate &w = t.w();
    ArithmeticGame &sums = w.games().arithmetic();
    sums.MNU_AddMax_Click(4);
    sums.MNU_MulMax_Click(7);
    sums.MNU_AddMax_Click(5);
    sums.MNU_MulMax_Click(6);
    EXPECT_EQ(w.quiz.AddMax, 100);
    EXPECT_EQ(w.quiz.MulMax, 6);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_AddMax), 4);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_MulMax), 7);
}

TEST(ArithmeticGame, SubtractionUpToFiveHandsOverToAdditionAndIsRestored)
{
    GameWindow t(5);
    Educate &w = t.w();
    switchOperators(w, false, true, false, false);
    w.games().arithmetic().MNU_SubMax_Click(0);
    w.MNU_Game_Click(GameArithmetic);
    // The hand-over itself is the deal's (SumDeal): here, that the game
    // passes it the subtraction range and restores the parent's switches.
    const QStringList sums = sumsInChain(w, 9);
    ASSERT_EQ(sums.size(), 8);
    EXPECT_EQ(sums.filter(QStringLiteral(" - ")).size(), 4) << "only the results 1 to 4 exist";
    EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty());
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_SubOn));
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_AddOn));
}

TEST(ArithmeticGame, AGridTooBigShowsTheMessageAndFallsBackToThreeByThree)
{
    GameWindow t(6);
    Educate &w = t.w();
    w.settings().MNU_Size_Click(17); // 20 x 20
    ASSERT_EQ(w.shell.GridMax, 19);
    w.MNU_Game_Click(GameArithmetic);
    EXPECT_EQ(t.fakes.dialogs->messages,
              QStringList {QString::fromLatin1(ArithmeticGame::kTooBigMessage)});
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), 0);
    EXPECT_EQ(sumsInChain(w, 9).size(), 8) << "a 3 x 3 deal is on the grid";
    EXPECT_FALSE(w.shell.Loading);
}

TEST(ArithmeticGame, ARefusedSizeChangeEndsWithAnEmptyPlayArea)
{
    GameWindow t(7);
    Educate &w = t.w();
    w.settings().MNU_Size_Click(1); // 4 x 4
    w.games().arithmetic().MNU_AddMax_Click(0);
    // Changing settings now needs a password, and the parent cancels.
    w.menus().click(MenuId::MNU_PsRq, 2);
    w.password().StoredPassword = QStringLiteral("secret");
    int asked = 0;
    t.fakes.pump->onPump = [&] {
        PasswordLock &lock = w.password();
        if (lock.asking() && lock.dialog()->isVisible()) {
            ++asked;
            QTest::mouseClick(lock.dialog()->ComCancel(), Qt::LeftButton);
        }
    };
    w.MNU_Game_Click(GameArithmetic);
    t.fakes.pump->onPump = nullptr;
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(t.fakes.dialogs->messages.size(), 1);
    EXPECT_EQ(w.shell.GridMax, 3) << "the parent's size stands";
    EXPECT_FALSE(w.Question(1)) << "no deal is left half made";
    EXPECT_FALSE(w.shell.Loading);
    EXPECT_FALSE(w.hourglass());
}
