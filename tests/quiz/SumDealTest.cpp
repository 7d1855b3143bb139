// The sums of an Arithmetic deal: ranges, distinct results, hand-overs.
#include "quiz/SumDeal.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace tw;

namespace {

SumSwitches only(SumOperator op)
{
    SumSwitches s;
    s.addition = false;
    s.set(op, true);
    return s;
}

// The chain runs from tile 1 through every answer tile 2..n once and ends at
// n; the results of a deal are all different and never 0; each sum reads as
// written and its result is exact.
void expectSoundDeal(const SumDeal &deal, int n)
{
    ASSERT_TRUE(deal.complete);
    std::set<int> answers, results;
    int q = 1;
    for (int s = 2; s <= n; ++s) {
        EXPECT_EQ(deal.question[s], q);
        answers.insert(deal.answer[s]);
        q = deal.answer[s];
        const Sum &sum = deal.sums[s];
        results.insert(sum.result);
        EXPECT_GE(sum.result, 1);
        const char *sign = " + ";
        int exact = sum.a + sum.b;
        switch (sum.op) {
        case SumOperator::Subtraction:
            sign = " - ", exact = sum.a - sum.b;
            break;
        case SumOperator::Multiplication:
            sign = " x ", exact = sum.a * sum.b;
            break;
        case SumOperator::Division:
            sign = " / ", exact = sum.b ? sum.a / sum.b : -1;
            EXPECT_EQ(sum.a % sum.b, 0) << "divisions are exact";
            break;
        default:
            break;
        }
        EXPECT_EQ(sum.result, exact);
        EXPECT_EQ(sum.text(),
                  QString::number(sum.a) + QLatin1String(sign) + QString::number(sum.b));
    }
    EXPECT_EQ(q, n);
    EXPECT_EQ(int(answers.size()), n - 1);
    EXPECT_EQ(*answers.begin(), 2);
    EXPECT_EQ(int(results.size()), n - 1);
}

} // namespace

TEST(SumDeal, EachOperatorStaysInItsRange)
{
    struct Case
    {
        SumOperator op;
        SumRanges ranges;
        int aMin, aMax, bMin, bMax;
    };
    const Case cases[] = {
        {SumOperator::Addition, {10, 10, 1, 1}, 1, 10, 1, 10},
        {SumOperator::Multiplication, {10, 10, 1, 1}, 2, 2, 1, 12}, // the 2 times table
        {SumOperator::Multiplication, {10, 10, 11, 11}, 2, 12, 1, 12},
        {SumOperator::Division, {10, 10, 1, 1}, 2, 24, 2, 2},
        {SumOperator::Division, {10, 10, 11, 11}, 2, 144, 2, 12},
        {SumOperator::Subtraction, {10, 20, 1, 1}, 2, 20, 1, 19},
    };
    for (const Case &c : cases) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            Random random(seed);
            const SumDeal deal = dealSums(random, 9, only(c.op), c.ranges);
            expectSoundDeal(deal, 9);
            for (int s = 2; s <= 9; ++s) {
                const Sum &sum = deal.sums[s];
                ASSERT_EQ(sum.op, c.op);
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
        int subtractions = 0;
        bool additionSeen = false;
        for (int s = 2; s <= 9; ++s) {
            if (deal.sums[s].op == SumOperator::Subtraction) {
                EXPECT_FALSE(additionSeen) << "subtraction stays off once it ran out";
                ++subtractions;
            } else {
                additionSeen = true;
            }
        }
        EXPECT_EQ(subtractions, 4) << "results 1 to 4 are all used before the hand-over";
    }
    Random random(11);
    EXPECT_TRUE(dealSums(random, 16, only(SumOperator::Division), {}).divisionHandedOver);
}

TEST(SumDeal, TooManySlotsForTheResultsIsIncomplete)
{
    Random random(5);
    EXPECT_FALSE(dealSums(random, 400, {true, true, true, true}, {100, 100, 11, 11}).complete);
    // "Numbers up to &5", addition only, 4 x 4: results 2 to 10 are 9 for 15 sums.
    EXPECT_FALSE(dealSums(random, 16, SumSwitches {}, {5, 10, 1, 1}).complete);
    EXPECT_TRUE(dealSums(random, 9, SumSwitches {}, {5, 10, 1, 1}).complete);
    // Only twelve results in the 2 times table.
    EXPECT_FALSE(dealSums(random, 16, only(SumOperator::Multiplication), {}).complete);
}

TEST(SumDeal, AnOperatorWithNoResultLeftGivesWayToTheOthers)
{
    // Addition up to 5 has 9 results, the 2 times table 12: together they
    // fill a 4 x 4 grid, whichever operator runs out first.
    SumSwitches s;
    s.multiplication = true;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        Random random(seed);
        expectSoundDeal(dealSums(random, 16, s, SumRanges {5, 10, 1, 1}), 16);
    }
}
