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

// Every answer tile 2..n is used once, the chain starts at 1 and ends at n.
void expectChain(const SumDeal &deal, int n)
{
    std::set<int> answers;
    int q = 1;
    for (int s = 2; s <= n; ++s) {
        EXPECT_EQ(deal.question[s], q);
        answers.insert(deal.answer[s]);
        q = deal.answer[s];
    }
    EXPECT_EQ(q, n);
    EXPECT_EQ(static_cast<int>(answers.size()), n - 1);
    EXPECT_EQ(*answers.begin(), 2);
}

} // namespace

TEST(SumDeal, AdditionUpToTenOnThreeByThreeGivesEightDifferentResults)
{
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        Random random(seed);
        const SumDeal deal = dealSums(random, 9, SumSwitches {}, SumRanges {10, 10, 1, 1});
        ASSERT_TRUE(deal.complete);
        expectChain(deal, 9);
        std::set<int> results;
        for (int s = 2; s <= 9; ++s) {
            const Sum &sum = deal.sums[s];
            EXPECT_EQ(sum.op, SumOperator::Addition);
            EXPECT_GE(sum.a, 1);
            EXPECT_LE(sum.a, 10);
            EXPECT_GE(sum.b, 1);
            EXPECT_LE(sum.b, 10);
            EXPECT_EQ(sum.result, sum.a + sum.b);
            EXPECT_GE(sum.result, 2);
            EXPECT_LE(sum.result, 20);
            results.insert(sum.result);
        }
        EXPECT_EQ(results.size(), 8u);
    }
}

TEST(SumDeal, EachOperatorWritesItsSumAndExactResult)
{
    struct Case
    {
        SumOperator op;
        SumRanges ranges;
    };
    const Case cases[] = {
        {SumOperator::Multiplication, {10, 10, 1, 1}},   {SumOperator::Division, {10, 10, 1, 1}},
        {SumOperator::Multiplication, {10, 10, 11, 11}}, {SumOperator::Division, {10, 10, 11, 11}},
        {SumOperator::Subtraction, {10, 20, 1, 1}},
    };
    for (const Case &c : cases) {
        Random random(7);
        const SumDeal deal = dealSums(random, 9, only(c.op), c.ranges);
        ASSERT_TRUE(deal.complete);
        for (int s = 2; s <= 9; ++s) {
            const Sum &sum = deal.sums[s];
            ASSERT_EQ(sum.op, c.op);
            switch (c.op) {
            case SumOperator::Multiplication:
                EXPECT_GE(sum.a, 2);
                EXPECT_LE(sum.a, c.ranges.MulMax + 1);
                EXPECT_GE(sum.b, 1);
                EXPECT_LE(sum.b, 12);
                EXPECT_EQ(sum.result, sum.a * sum.b);
                EXPECT_EQ(sum.text(), QStringLiteral("%1 x %2").arg(sum.a).arg(sum.b));
                break;
            case SumOperator::Division:
                EXPECT_GE(sum.b, 2);
                EXPECT_LE(sum.b, c.ranges.DivMax + 1);
                EXPECT_EQ(sum.a % sum.b, 0) << "divisions are exact";
                EXPECT_EQ(sum.result, sum.a / sum.b);
                EXPECT_EQ(sum.text(), QStringLiteral("%1 / %2").arg(sum.a).arg(sum.b));
                break;
            case SumOperator::Subtraction:
                EXPECT_GE(sum.a, sum.b);
                EXPECT_LE(sum.a, c.ranges.SubMax);
                EXPECT_GE(sum.result, 1) << "0 is never a result";
                EXPECT_EQ(sum.text(), QStringLiteral("%1 - %2").arg(sum.a).arg(sum.b));
                break;
            default:
                break;
            }
        }
    }
}

TEST(SumDeal, TwoTimesTableIsTwoTimesOneToTwelve)
{
    Random random(3);
    const SumDeal deal = dealSums(random, 9, only(SumOperator::Multiplication), {});
    ASSERT_TRUE(deal.complete);
    for (int s = 2; s <= 9; ++s) {
        EXPECT_EQ(deal.sums[s].a, 2);
        EXPECT_GE(deal.sums[s].b, 1);
        EXPECT_LE(deal.sums[s].b, 12);
    }
    // Only twelve different results exist: a 4 x 4 grid cannot be dealt.
    EXPECT_FALSE(dealSums(random, 16, only(SumOperator::Multiplication), {}).complete);
}

TEST(SumDeal, SubtractionRunningOutHandsOverToAddition)
{
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        Random random(seed);
        const SumDeal deal
            = dealSums(random, 9, only(SumOperator::Subtraction), SumRanges {10, 5, 1, 1});
        ASSERT_TRUE(deal.complete);
        EXPECT_TRUE(deal.subtractionHandedOver);
        EXPECT_FALSE(deal.divisionHandedOver);
        std::set<int> results;
        int subtractions = 0;
        bool additionSeen = false;
        for (int s = 2; s <= 9; ++s) {
            const Sum &sum = deal.sums[s];
            results.insert(sum.result);
            if (sum.op == SumOperator::Subtraction) {
                EXPECT_FALSE(additionSeen) << "subtraction stays off once it ran out";
                EXPECT_LE(sum.result, 4);
                ++subtractions;
            } else {
                EXPECT_EQ(sum.op, SumOperator::Addition);
                additionSeen = true;
            }
        }
        EXPECT_EQ(subtractions, 4) << "results 1 to 4 are all used before the hand-over";
        EXPECT_EQ(results.size(), 8u) << "no result repeats across the hand-over";
    }
}

TEST(SumDeal, DivisionRunningOutHandsOverToAddition)
{
    Random random(11);
    const SumDeal deal = dealSums(random, 16, only(SumOperator::Division), {});
    ASSERT_TRUE(deal.complete);
    EXPECT_TRUE(deal.divisionHandedOver);
}

TEST(SumDeal, TooManySlotsForTheResultsIsIncomplete)
{
    Random random(5);
    SumSwitches all {true, true, true, true};
    EXPECT_FALSE(dealSums(random, 400, all, SumRanges {100, 100, 11, 11}).complete);
    // "Numbers up to &5", addition only, 4 x 4: results 2 to 10 are 9 for 15 sums.
    EXPECT_FALSE(dealSums(random, 16, SumSwitches {}, SumRanges {5, 10, 1, 1}).complete);
    EXPECT_TRUE(dealSums(random, 9, SumSwitches {}, SumRanges {5, 10, 1, 1}).complete);
}

TEST(SumDeal, AnOperatorWithNoResultLeftGivesWayToTheOthers)
{
    // Addition up to 5 has 9 results, the 2 times table 12: together they
    // fill a 4 x 4 grid, whichever operator runs out first.
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        Random random(seed);
        SumSwitches s;
        s.multiplication = true;
        const SumDeal deal = dealSums(random, 16, s, SumRanges {5, 10, 1, 1});
        EXPECT_TRUE(deal.complete) << "seed " << seed;
    }
}
