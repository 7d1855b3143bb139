// The bounded draws, chains and dealing rules the quiz games share.
#include "quiz/GameDraws.h"
#include "platform/Random.h"
#include "quiz/NumbersGame.h"
#include "quiz/PairsGame.h"
#include "quiz/WordPictures.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tw;

TEST(GameDraws, DistinctDrawsNeverRepeatAndAlwaysEnd)
{
    Random random(1);
    for (int pool : {0, 1, 5, 26, 300}) {
        for (int count : {0, 1, pool, pool + 3}) {
            const std::vector<int> drawn = drawDistinct(random, pool, count);
            EXPECT_EQ(static_cast<int>(drawn.size()), std::min(pool, count));
            const std::set<int> unique(drawn.begin(), drawn.end());
            EXPECT_EQ(unique.size(), drawn.size());
            for (int v : drawn) {
                EXPECT_GE(v, 1);
                EXPECT_LE(v, pool);
            }
        }
    }
    const std::vector<int> cycled = drawCycling(random, 3, 8);
    ASSERT_EQ(cycled.size(), 8u);
    EXPECT_EQ(std::set<int>(cycled.begin(), cycled.begin() + 3).size(), 3u);
    EXPECT_TRUE(drawCycling(random, 0, 8).empty());
}

TEST(GameDraws, DicePatterns)
{
    EXPECT_EQ(diceCells(1), std::vector<int>({5}));
    EXPECT_EQ(diceCells(8), std::vector<int>({1, 2, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(diceCells(9).size(), 9u);
    for (int number = 1; number <= 9; ++number) {
        const std::vector<int> cells = diceCells(number);
        EXPECT_EQ(static_cast<int>(cells.size()), number);
        // A die is symmetric: cell c shows exactly when cell 10 - c does.
        const std::set<int> set(cells.begin(), cells.end());
        for (int c : cells)
            EXPECT_TRUE(set.count(10 - c)) << number;
    }
    EXPECT_TRUE(diceCells(0).empty());
    EXPECT_TRUE(diceCells(10).empty());
}

TEST(GameDraws, EveryPairedPictureLiesOnExactlyTwoCards)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Random random(seed);
        const std::vector<int> card = dealPairs(random, 16, 10);
        ASSERT_EQ(card.size(), 17u);
        std::map<int, int> count;
        for (int p = 1; p <= 16; ++p)
            ++count[card[p]];
        EXPECT_EQ(count.size(), 8u);
        for (auto [picture, cards] : count) {
            EXPECT_GE(picture, 1);
            EXPECT_LE(picture, 10);
            EXPECT_EQ(cards, 2);
        }
    }
    Random random(1);
    EXPECT_TRUE(dealPairs(random, 9, 20).empty()) << "odd";
    EXPECT_TRUE(dealPairs(random, 16, 7).empty()) << "too few pictures";
}

TEST(WordPictures, CollectsShortNamesByLengthWithThreeLetterExtensions)
{
    const QStringList listing
        = {QStringLiteral("Cat.bmp"),   QStringLiteral("Dog.jpg"), QStringLiteral("Fish.jpeg"),
           QStringLiteral("Horse.bmp"), QStringLiteral("Ox.gif"),  QStringLiteral("Pig.txt"),
           QStringLiteral("Ant.x.png")};
    EXPECT_EQ(collectWordFiles(listing, 3),
              QStringList({QStringLiteral("Ox.gif"), QStringLiteral("Cat.bmp"),
                           QStringLiteral("Dog.jpg")}));
    EXPECT_EQ(collectWordFiles(listing, 20).size(), 4) << "Fish.jpeg is never collected";
    EXPECT_TRUE(collectWordFiles(listing, 1).isEmpty());
}
