// The order of a deal: every answer tile but 1 is right exactly once, the last is N.
#include "quiz/QuestionChain.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tw {
namespace {

TEST(QuestionChain, EveryDealVisitsEachTileOnceAndEndsOnTheLast)
{
    for (int side : {2, 3, 4, 5, 20}) {
        const int n = side * side;
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(testing::Message() << side << "x" << side << " seed " << seed);
            Random random(seed);
            const std::vector<int> chain = questionChain(n, random);
            ASSERT_EQ(int(chain.size()), n) << "a deal asks N - 1 questions";
            EXPECT_EQ(chain.front(), 1) << "tile 1 asks the first question";
            EXPECT_EQ(chain.back(), n) << "the answer on tile N ends the deal";
            std::vector<int> sorted = chain;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(sorted[i], i + 1) << "each tile appears exactly once";
        }
    }
}

TEST(QuestionChain, EachFreeTileIsEquallyLikelyToAnswerTheFirstQuestion)
{
    // On 3 x 3 tiles 2 to 8 can answer question 1; 7000 deals give ~1000 each.
    Random random(2024);
    std::map<int, int> firstAnswers;
    for (int deal = 0; deal < 7000; ++deal)
        ++firstAnswers[questionChain(9, random)[1]];
    ASSERT_EQ(firstAnswers.size(), 7u);
    for (const auto &[tile, times] : firstAnswers) {
        EXPECT_GE(tile, 2);
        EXPECT_LE(tile, 8);
        EXPECT_NEAR(times, 1000, 150) << "tile " << tile;
    }
}

TEST(QuestionChain, TinyGrids)
{
    Random random(1);
    EXPECT_TRUE(questionChain(0, random).empty());
    EXPECT_EQ(questionChain(1, random), std::vector<int> {1});
    EXPECT_EQ(questionChain(2, random), (std::vector<int> {1, 2}));
    EXPECT_EQ(tileCount(2), 9);
    EXPECT_EQ(tileCount(19), 400);
    EXPECT_EQ(tileCount(-1), 0);
}

} // namespace
} // namespace tw
