// The bounded draws, question chains, held keys and dealing rules the quiz games share.
#include "quiz/GameDraws.h"
#include "platform/Random.h"
#include "quiz/HeldKey.h"
#include "quiz/NumbersGame.h"
#include "quiz/PairsGame.h"
#include "quiz/QuestionChain.h"
#include "quiz/WordPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
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
            EXPECT_TRUE(unique.empty() || (*unique.begin() >= 1 && *unique.rbegin() <= pool));
        }
    }
    const std::vector<int> cycled = drawCycling(random, 3, 8);
    ASSERT_EQ(cycled.size(), 8u);
    EXPECT_EQ(std::set<int>(cycled.begin(), cycled.begin() + 3).size(), 3u);
    EXPECT_TRUE(drawCycling(random, 0, 8).empty());
}

TEST(GameDraws, DicePatterns)
{
    for (int number = 1; number <= 9; ++number) {
        const std::vector<int> cells = diceCells(number);
        EXPECT_EQ(static_cast<int>(cells.size()), number);
        // A die is symmetric: cell c shows exactly when cell 10 - c does.
        for (int c : cells)
            EXPECT_NE(std::find(cells.begin(), cells.end(), 10 - c), cells.end()) << number;
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
        EXPECT_TRUE(count.begin()->first >= 1 && count.rbegin()->first <= 10);
        for (auto [picture, cards] : count)
            EXPECT_EQ(cards, 2) << picture;
    }
    Random random(1);
    EXPECT_TRUE(dealPairs(random, 9, 20).empty()) << "odd";
    EXPECT_TRUE(dealPairs(random, 16, 7).empty()) << "too few pictures";
}

TEST(WordPictures, CollectsShortNamesByLengthWithThreeLetterExtensions)
{
    const QStringList listing
        = {"Cat.bmp", "Dog.jpg", "Fish.jpeg", "Horse.bmp", "Ox.gif", "Pig.txt", "Ant.x.png"};
    EXPECT_EQ(collectWordFiles(listing, 3), QStringList({"Ox.gif", "Cat.bmp", "Dog.jpg"}));
    EXPECT_EQ(collectWordFiles(listing, 20).size(), 4) << "Fish.jpeg is never collected";
    EXPECT_TRUE(collectWordFiles(listing, 1).isEmpty());
}

// Tile 1 asks the first question, each tile appears once, the answer on tile
// N ends the deal.
TEST(QuestionChain, EveryDealVisitsEachTileOnceAndEndsOnTheLast)
{
    for (int side : {1, 2, 3, 5, 20}) {
        const int n = side * side;
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            Random random(seed);
            const std::vector<int> chain = questionChain(n, random);
            std::vector<int> sorted = chain;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(sorted.at(i), i + 1) << side << " seed " << seed;
            EXPECT_EQ(chain.size(), size_t(n));
            EXPECT_EQ(chain.front(), 1);
            EXPECT_EQ(chain.back(), n);
        }
    }
    Random random(1);
    EXPECT_TRUE(questionChain(0, random).empty());
    EXPECT_EQ(tileCount(19), 400);
    EXPECT_EQ(tileCount(-1), 0);
}

// A letter typed while the quiz is busy waits for its own question, and for no other.
TEST(HeldKey, IsGivenOnlyToItsOwnQuestionOnceAndNotTooLate)
{
    struct Case
    {
        const char *what;
        int deal, question;
        double now;
        bool given;
    };
    const Case cases[] = {
        {"same deal and question", 3, 7, 101.0, true},
        {"the question has moved on", 3, 9, 101.0, false},
        {"a new deal began", 4, 7, 101.0, false},
        {"waited too long", 3, 7, 100.0 + HeldKey::kMaxHoldSeconds + 1, false},
        {"typed just before midnight", 3, 7, 0.5, true},
    };
    for (const Case &c : cases) {
        HeldKey held;
        const double typedAt = c.now < 100 ? 86399.9 : 100.0;
        held.hold(QLatin1Char('b'), 3, 7, typedAt);
        held.hold(QLatin1Char('a'), 3, 7, typedAt); // the later key counts
        const std::optional<QChar> key = held.take(c.deal, c.question, c.now);
        EXPECT_EQ(key, c.given ? std::optional<QChar>(QLatin1Char('a')) : std::nullopt) << c.what;
        EXPECT_FALSE(held.take(3, 7, c.now)) << c.what << ": given or dropped only once";
    }
}
