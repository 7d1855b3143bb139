// The Arithmetic game: the sums of a deal (ranges, distinct results,
// hand-overs), the range menus, and the abort of a deal too big.
#include "quiz/ArithmeticGame.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "platform/Random.h"
#include "quiz/GameContent.h"
#include "quiz/QuizGames.h"
#include "quiz/SumDeal.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <set>

using namespace tw;
using namespace tw::test;

namespace {

SumSwitches only(SumOperator op)
{
    SumSwitches s;
    s.addition = false;
    s.set(op, true);
    return s;
}

// The result of a sum worked out again; -1 for a division that is not exact.
int worked(const Sum &sum)
{
    switch (sum.op) {
    case SumOperator::Subtraction:
        return sum.a - sum.b;
    case SumOperator::Multiplication:
        return sum.a * sum.b;
    case SumOperator::Division:
        return sum.b && sum.a % sum.b == 0 ? sum.a / sum.b : -1;
    default:
        return sum.a + sum.b;
    }
}

// The chain runs from tile 1 through every answer tile 2..n once and ends at
// n; the results of a deal are all different, never 0, and right.
void expectSoundDeal(const SumDeal &deal, int n)
{
    ASSERT_TRUE(deal.complete);
    std::set<int> answers, results;
    int q = 1;
    for (int s = 2; s <= n; ++s) {
        EXPECT_EQ(deal.question[s], q);
        q = deal.answer[s];
        answers.insert(q);
        results.insert(deal.sums[s].result);
        EXPECT_GE(deal.sums[s].result, 1);
        EXPECT_EQ(deal.sums[s].result, worked(deal.sums[s])) << deal.sums[s].text().toStdString();
    }
    EXPECT_EQ(q, n);
    EXPECT_EQ(int(answers.size()), n - 1);
    EXPECT_EQ(*answers.begin(), 2);
    EXPECT_EQ(int(results.size()), n - 1);
}

} // namespace

TEST(SumDeal, EachOperatorStaysInItsRangeAndReadsAsWritten)
{
    struct Case
    {
        SumOperator op;
        SumRanges ranges;
        int aMin, aMax, bMin, bMax;
        const char *sign;
    };
    const Case cases[] = {
        {SumOperator::Addition, {10, 10, 1, 1}, 1, 10, 1, 10, " + "},
        {SumOperator::Multiplication, {10, 10, 1, 1}, 2, 2, 1, 12, " x "}, // the 2 times table
        {SumOperator::Multiplication, {10, 10, 11, 11}, 2, 12, 1, 12, " x "},
        {SumOperator::Division, {10, 10, 1, 1}, 2, 24, 2, 2, " / "},
        {SumOperator::Division, {10, 10, 11, 11}, 2, 144, 2, 12, " / "},
        {SumOperator::Subtraction, {10, 20, 1, 1}, 2, 20, 1, 19, " - "},
    };
    for (const Case &c : cases) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            Random random(seed);
            const SumDeal deal = dealSums(random, 9, only(c.op), c.ranges);
            expectSoundDeal(deal, 9);
            for (int s = 2; s <= 9; ++s) {
                const Sum &sum = deal.sums[s];
                ASSERT_EQ(sum.op, c.op);
                EXPECT_EQ(sum.text(), QStringLiteral("%1%2%3").arg(sum.a).arg(c.sign).arg(sum.b));
                EXPECT_TRUE(sum.a >= c.aMin && sum.a <= c.aMax && sum.b >= c.bMin
                            && sum.b <= c.bMax)
                    << sum.text().toStdString();
            }
        }
    }
}

TEST(SumDeal, SubtractionRunningOutHandsOverToAddition)
{
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        Random random(seed);
        const SumDeal deal
            = dealSums(random, 9, only(SumOperator::Subtraction), SumRanges {10, 5, 1, 1});
        expectSoundDeal(deal, 9);
        EXPECT_TRUE(deal.subtractionHandedOver);
        EXPECT_FALSE(deal.divisionHandedOver);
        // Results 1 to 4 are all used first; subtraction stays off once it ran out.
        for (int s = 2; s <= 9; ++s)
            EXPECT_EQ(deal.sums[s].op, s <= 5 ? SumOperator::Subtraction : SumOperator::Addition);
    }
    Random random(11);
    EXPECT_TRUE(dealSums(random, 16, only(SumOperator::Division), {}).divisionHandedOver);
}

TEST(SumDeal, TooManySlotsForTheResultsIsIncompleteUnlessAnotherOperatorFillsThem)
{
    Random random(5);
    EXPECT_FALSE(dealSums(random, 400, {true, true, true, true}, {100, 100, 11, 11}).complete);
    // "Numbers up to &5", addition only, 4 x 4: results 2 to 10 are 9 for 15 sums.
    EXPECT_FALSE(dealSums(random, 16, SumSwitches {}, {5, 10, 1, 1}).complete);
    EXPECT_TRUE(dealSums(random, 9, SumSwitches {}, {5, 10, 1, 1}).complete);
    // Only twelve results in the 2 times table.
    EXPECT_FALSE(dealSums(random, 16, only(SumOperator::Multiplication), {}).complete);
    // Together they fill a 4 x 4 grid, whichever operator runs out first.
    SumSwitches both;
    both.multiplication = true;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        Random seeded(seed);
        expectSoundDeal(dealSums(seeded, 16, both, SumRanges {5, 10, 1, 1}), 16);
    }
}

// The hand-over itself is the deal's (SumDeal): here, that the range menus
// set their values, that the game passes the deal the subtraction range, and
// that it restores the parent's switches.
TEST(ArithmeticGame, RangeMenusReachTheDealAndAHandOverIsUndoneAfterwards)
{
    GameWindow t(5);
    Educate &w = t.w();
    ArithmeticGame &sums = w.games().arithmetic();
    sums.MNU_AddMax_Click(4);
    sums.MNU_AddMax_Click(5); // no such item: ignored
    EXPECT_EQ(w.quiz.AddMax, 100);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_AddMax), 4);
    SettingsValues options = w.options();
    options.AddOn = false;
    options.SubOn = true;
    w.setOptions(options);
    sums.MNU_SubMax_Click(0);
    w.MNU_Game_Click(GameArithmetic);
    int subtractions = 0;
    for (int q = 1; q <= 8; ++q)
        subtractions += w.Question(q)->text().contains(QStringLiteral(" - ")) ? 1 : 0;
    EXPECT_EQ(subtractions, 4) << "only the results 1 to 4 exist";
    EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty());
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_SubOn));
    EXPECT_FALSE(w.menus().checked(MenuId::MNU_AddOn));
}

TEST(ArithmeticGame, AGridTooBigShowsTheMessageAndFallsBackToThreeByThree)
{
    GameWindow t(6);
    Educate &w = t.w();
    w.settings().MNU_Size_Click(17); // 20 x 20
    w.MNU_Game_Click(GameArithmetic);
    EXPECT_EQ(t.fakes.dialogs->messages,
              QStringList {QString::fromLatin1(ArithmeticGame::kTooBigMessage)});
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), 0);
    EXPECT_TRUE(w.Question(1) && w.Question(1)->isVisible()) << "a 3 x 3 deal is on the grid";
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
    t.scriptPasswords();
    t.passAnswers.push_back({{}, {}, {}, true});
    w.MNU_Game_Click(GameArithmetic);
    EXPECT_EQ(t.dialogsAnswered, 1);
    EXPECT_EQ(t.unexpectedDialogs, 0);
    EXPECT_EQ(t.fakes.dialogs->messages.size(), 1);
    EXPECT_EQ(w.shell.GridMax, 3) << "the parent's size stands";
    EXPECT_FALSE(w.Question(1)) << "no deal is left half made";
    EXPECT_FALSE(w.shell.Loading);
    EXPECT_FALSE(w.hourglass());
}
