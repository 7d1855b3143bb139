// The board rules: the jigsaw deal and swap, the sliding step and the shuffle.
#include "puzzle/Board.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

PieceTable solvedBoard(int n)
{
    PieceTable t {};
    board::setSolved(t, n);
    return t;
}

TEST(Board, EveryPieceHomeIsSolvedOnlyWhenNotShuffling)
{
    const PieceTable t = solvedBoard(9);
    EXPECT_TRUE(board::isSolved(t, 9, false));
    EXPECT_FALSE(board::isSolved(t, 9, true));
    PieceTable swapped = t;
    std::swap(swapped[4], swapped[5]);
    EXPECT_FALSE(board::isSolved(swapped, 9, false));
    EXPECT_EQ(board::countHome(swapped, 9), 7);
}

TEST(Board, JigsawDealIsAPermutationThatReplays)
{
    for (int side : {2, 3, 4, 10, 20}) {
        const int n = side * side;
        Random a(side), b(side);
        PieceTable first {}, again {};
        board::dealJigsaw(first, n, a);
        board::dealJigsaw(again, n, b);
        EXPECT_TRUE(board::isPermutation(first, n)) << side;
        EXPECT_EQ(first, again) << side;
        EXPECT_FALSE(board::isSolved(first, n, false)) << side;
    }
    // 2 x 2 deals, many times: never solved already.
    Random r(1);
    PieceTable t {};
    for (int i = 0; i < 200; ++i) {
        board::dealJigsaw(t, 4, r);
        ASSERT_FALSE(board::isSolved(t, 4, false));
    }
}

TEST(Board, JigsawSwapExchangesTwoPiecesAndDroppingOnItselfChangesNothing)
{
    PieceTable t = solvedBoard(9);
    const PieceTable before = t;
    EXPECT_TRUE(board::swapPieces(t, 9, 5, 5));
    EXPECT_EQ(t, before);
    EXPECT_TRUE(board::swapPieces(t, 9, 2, 9));
    EXPECT_EQ(t[2], 9);
    EXPECT_EQ(t[9], 2);
    EXPECT_TRUE(board::isPermutation(t, 9));
    EXPECT_FALSE(board::swapPieces(t, 9, 2, 10)); // not on the board
    EXPECT_TRUE(board::isPermutation(t, 9));
}

TEST(Board, OnlyNeighboursOfTheBlankSlide)
{
    struct Case
    {
        int slot, blank;
        bool allowed;
    };
    // 3 x 3:  1 2 3 / 4 5 6 / 7 8 9
    const Case cases[] = {
        {2, 1, true},  {4, 1, true},  {5, 1, false}, {3, 4, false}, // 3 and 4: other row
        {4, 3, false}, {6, 7, false}, {7, 6, false}, {5, 2, true},   {8, 5, true},  {2, 5, true},
        {6, 5, true},  {4, 5, true},  {9, 9, false}, {10, 9, false}, {0, 1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(board::canSlide(c.slot, c.blank, 3), c.allowed) << c.slot << " into " << c.blank;
}

TEST(Board, SlidingAPieceMovesTheBlankToWhereItWas)
{
    PieceTable t = solvedBoard(9);
    int blank = 1;
    EXPECT_FALSE(board::slidePiece(t, blank, 3, 5)); // not next to the blank
    EXPECT_FALSE(board::slidePiece(t, blank, 3, 1)); // the blank itself
    EXPECT_TRUE(board::slidePiece(t, blank, 3, 2));
    EXPECT_EQ(blank, 2);
    EXPECT_EQ(t[1], 2);
    EXPECT_EQ(t[2], kBlankPiece);
    EXPECT_TRUE(board::isSolvableSliding(t, 3, blank));
}

TEST(Board, BlankNeverLeavesItsRowSideways)
{
    for (int grid : {2, 3, 5, 20}) {
        const int n = grid * grid;
        for (int blank = 1; blank <= n; ++blank) {
            const int col = (blank - 1) % grid;
            const int left = board::shuffleTarget(blank, board::Left, grid);
            const int right = board::shuffleTarget(blank, board::Right, grid);
            const int down = board::shuffleTarget(blank, board::Down, grid);
            const int up = board::shuffleTarget(blank, board::Up, grid);
            EXPECT_EQ(left, col == 0 ? 0 : blank - 1) << grid << ":" << blank;
            EXPECT_EQ(right, col == grid - 1 ? 0 : blank + 1) << grid << ":" << blank;
            EXPECT_EQ(down, blank + grid > n ? 0 : blank + grid);
            EXPECT_EQ(up, blank - grid < 1 ? 0 : blank - grid);
        }
    }
}

TEST(Board, ShuffleLeavesFewPiecesHomeAndASolvableBoard)
{
    for (int grid : {2, 3, 4, 6, 20}) {
        const int n = grid * grid;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            Random random(seed);
            PieceTable t = solvedBoard(n);
            int blank = 1;
            int moves = 0;
            const board::ShuffleResult r = board::shuffle(t, blank, grid, random, [&](int slot) {
                EXPECT_TRUE(board::canSlide(slot, blank, grid));
                board::slideIntoBlank(t, blank, slot);
                ++moves;
                return true;
            });
            SCOPED_TRACE(testing::Message() << grid << " seed " << seed);
            EXPECT_TRUE(r.completed);
            EXPECT_GE(r.attempts, board::kShuffleMinAttempts);
            EXPECT_LE(r.attempts, board::kShuffleMaxAttempts);
            if (r.attempts < board::kShuffleMaxAttempts) {
                EXPECT_LT(board::countHome(t, n), board::kShuffleHomeShare * n);
            }
            EXPECT_LE(moves, r.attempts);
            EXPECT_EQ(t[size_t(blank)], kBlankPiece);
            EXPECT_TRUE(board::isSolvableSliding(t, grid, blank));
        }
    }
}

TEST(Board, AShuffleCanBeAbandoned)
{
    Random random(3);
    PieceTable t = solvedBoard(9);
    int blank = 1;
    int moves = 0;
    const board::ShuffleResult r = board::shuffle(t, blank, 3, random, [&](int slot) {
        board::slideIntoBlank(t, blank, slot);
        return ++moves < 5;
    });
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(moves, 5);
    EXPECT_TRUE(board::isPermutation(t, 9));
}

TEST(Board, SolvabilityFollowsParity)
{
    PieceTable t = solvedBoard(9);
    EXPECT_TRUE(board::isSolvableSliding(t, 3, 1));
    // Two pieces exchanged with the blank home: the classic unsolvable board.
    std::swap(t[8], t[9]);
    EXPECT_FALSE(board::isSolvableSliding(t, 3, 1));
    // The blank claimed in a slot that does not hold it.
    EXPECT_FALSE(board::isSolvableSliding(solvedBoard(9), 3, 5));
}

} // namespace
} // namespace tw::test
