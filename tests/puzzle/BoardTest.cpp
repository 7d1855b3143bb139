// The board rules: the jigsaw deal, the sliding step, the shuffle, and where the slots lie
// on the window (moving pieces with the mouse is PuzzlePlayTest's).
#include "puzzle/Board.h"
#include "platform/Random.h"
#include "puzzle/BoardLayout.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

PieceTable solvedBoard(int n)
{
    PieceTable t {};
    board::setSolved(t, n);
    return t;
}

TEST(Board, JigsawDealIsAPermutationNeverSolvedAlready)
{
    Random r(1);
    for (int side : {2, 3, 20}) {
        const int n = side * side;
        PieceTable t {};
        for (int i = 0; i < 100; ++i) { // 2 x 2 deals are solved by chance one time in 24
            board::dealJigsaw(t, n, r);
            ASSERT_TRUE(board::isPermutation(t, n)) << side;
            ASSERT_FALSE(board::isSolved(t, n, false)) << side;
        }
    }
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
        {2, 1, true},  {4, 1, true}, {5, 1, false}, {3, 4, false}, // 3 and 4: other row
        {7, 6, false}, {8, 5, true}, {6, 5, true},  {9, 9, false}, {10, 9, false}, {0, 1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(board::canSlide(c.slot, c.blank, 3), c.allowed) << c.slot << " into " << c.blank;
}

TEST(Board, ShuffleLeavesFewPiecesHomeAndASolvableBoard)
{
    for (int grid : {2, 3, 4, 6, 20}) {
        const int n = grid * grid;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            Random random(seed);
            PieceTable t = solvedBoard(n);
            int blank = 1;
            const board::ShuffleResult r = board::shuffle(t, blank, grid, random, [&](int slot) {
                EXPECT_TRUE(board::canSlide(slot, blank, grid));
                board::slideIntoBlank(t, blank, slot);
                return true;
            });
            SCOPED_TRACE(testing::Message() << grid << " seed " << seed);
            EXPECT_TRUE(r.completed);
            EXPECT_GE(r.attempts, board::kShuffleMinAttempts);
            EXPECT_LE(r.attempts, board::kShuffleMaxAttempts);
            if (r.attempts < board::kShuffleMaxAttempts) {
                EXPECT_LT(board::countHome(t, n), board::kShuffleHomeShare * n);
            }
            EXPECT_EQ(t[size_t(blank)], kBlankPiece);
            EXPECT_TRUE(board::isSolvableSliding(t, grid, blank));
        }
    }
}

// The window stops a shuffle when the child switches games; a stop ends it at once.
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

// Every piece home is solved, except while the board is being shuffled.
TEST(Board, SolvedAndSolvableBoards)
{
    PieceTable t = solvedBoard(9);
    EXPECT_TRUE(board::isSolved(t, 9, false));
    EXPECT_FALSE(board::isSolved(t, 9, true));
    EXPECT_TRUE(board::isSolvableSliding(t, 3, 1));
    // Two pieces exchanged with the blank home: the classic unsolvable board.
    std::swap(t[8], t[9]);
    EXPECT_FALSE(board::isSolved(t, 9, false));
    EXPECT_EQ(board::countHome(t, 9), 7);
    EXPECT_FALSE(board::isSolvableSliding(t, 3, 1));
    // The blank claimed in a slot that does not hold it.
    EXPECT_FALSE(board::isSolvableSliding(solvedBoard(9), 3, 5));
}

TEST(BoardLayout, SlotsShareTheirEdgesAndCoverTheAreaAndEveryPixelFindsItsSlot)
{
    struct Case
    {
        int grid;
        QSize area; // pixels
    };
    for (const Case &c : {Case {3, {600, 450}}, Case {4, {601, 453}}, Case {20, {700, 519}}}) {
        SCOPED_TRACE(c.grid);
        const BoardLayout layout(c.grid, c.area.width() * 15.0, c.area.height() * 15.0);
        for (int s = 1; s <= c.grid * c.grid; ++s) {
            const QRect r = layout.slotRect(s);
            ASSERT_FALSE(r.isEmpty()) << s;
            EXPECT_EQ(r.left(), s % c.grid == 1 ? 0 : layout.slotRect(s - 1).right() + 1) << s;
            EXPECT_EQ(r.top(), s <= c.grid ? 0 : layout.slotRect(s - c.grid).bottom() + 1) << s;
            for (QPoint p : {r.topLeft(), r.center(), r.bottomRight()})
                EXPECT_EQ(layout.slotAt(p), s) << p.x() << "," << p.y();
        }
        const QPoint corner(c.area.width() - 1, c.area.height() - 1);
        EXPECT_EQ(layout.slotRect(c.grid * c.grid).bottomRight(), corner);
        for (QPoint off :
             {QPoint(-1, 0), QPoint(0, -1), corner + QPoint(1, 0), corner + QPoint(0, 1)})
            EXPECT_EQ(layout.slotAt(off), 0) << off.x() << "," << off.y();
    }
    EXPECT_EQ(BoardLayout(3, 0, 0).slotAt(QPoint(0, 0)), 0); // a window with no area yet
}

} // namespace
} // namespace tw::test
