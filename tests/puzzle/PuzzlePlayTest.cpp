// Playing the puzzles with the mouse, as a child would: both started from the Play menu,
// jigsaw swaps, slides, the shuffle and the solved board.
#include "PuzzleWindow.h"

#include "common/MenuId.h"
#include "puzzle/PieceFace.h"
#include "shell/MenuBar.h"
#include "shell/Settings.h"

#include <QAction>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

void startJigsaw(PuzzleWindow &t, int gridMax = 2)
{
    t.load(1, gridMax, patternPicture(300, 200));
    ASSERT_EQ(t.w().puzzle.PuzzleRefused, 0);
    t.w().puzzles().DealJigsaw();
    t.w().puzzles().PuzzleResize();
}

void startSliding(PuzzleWindow &t, int gridMax = 2)
{
    t.load(2, gridMax, patternPicture(300, 200));
    ASSERT_EQ(t.w().puzzle.PuzzleRefused, 0);
    t.w().puzzle.BlankSlot = 1;
    t.w().puzzle.Shuffling = 1;
    t.w().puzzles().PuzzleResize();
}

// A window showing the Play menu's puzzle on the 3 x 3 grid, with one picture in
// the subject folder the backdrop comes from.
void startGame(PuzzleWindow &t, int game)
{
    QDir(t.appDir.path()).mkpath(QStringLiteral("Animals"));
    ASSERT_TRUE(
        patternPicture(320, 240).save(t.appDir.filePath(QStringLiteral("Animals/Fox.png"))));
    t.w().start();
    t.w().settings().MNU_Size_Click(0);
    t.w().MNU_Game_Click(game);
    ASSERT_EQ(t.w().shell.CurrentSubject, QStringLiteral("Puzzle"));
    ASSERT_EQ(t.w().Img.count(), 9);
}

TEST(PuzzlePlay, JigsawFromThePlayMenuIsSolvedByDraggingAndShowsTheWholePicture)
{
    PuzzleWindow t(21);
    startGame(t, GameJigsaw);
    Educate &w = t.w();
    int drags = 0;
    for (int s = 1; s <= 9 && w.Img.count() > 0; ++s) {
        if (t.pieceAt()[size_t(s)] == s)
            continue;
        t.dragSlot(board::slotOf(t.pieceAt(), 9, s), s);
        ASSERT_LT(++drags, 9);
    }
    EXPECT_EQ(w.Img.count(), 0);
    EXPECT_EQ(w.Img(0)->geometry(), QRect(QPoint(0, 0), w.playArea()->size()));
    EXPECT_TRUE(w.Img(0)->isVisible());
    EXPECT_TRUE(w.menus().item(MenuId::MNU_Again)->isEnabled());
}

TEST(PuzzlePlay, DraggingAPieceOntoAnotherSwapsThemAndOntoItselfOrOffTheBoardDoesNot)
{
    PuzzleWindow t;
    startJigsaw(t);
    const PieceTable before = t.pieceAt();
    const QPoint centre = t.slotCentre(5);
    t.drag(centre, centre + QPoint(10, 5)); // moved, but released over its own slot
    EXPECT_EQ(t.pieceAt(), before);
    t.drag(centre, QPoint(-40, centre.y())); // released outside the window
    EXPECT_EQ(t.pieceAt(), before);
    EXPECT_EQ(t.w().Img(before[5])->geometry(), t.layout().slotRect(5));

    t.dragSlot(1, 9);
    EXPECT_EQ(t.pieceAt()[1], before[9]);
    EXPECT_EQ(t.pieceAt()[9], before[1]);
    EXPECT_EQ(t.w().Img(before[1])->geometry(), t.layout().slotRect(9));
    EXPECT_EQ(t.w().Img(before[9])->geometry(), t.layout().slotRect(1));
    for (int p = 1; p <= 9; ++p) { // only pieces away from their own slot are outlined
        const PieceFace *face = PieceFace::of(t.w().Img(p));
        EXPECT_EQ(face && face->outlined(), t.pieceAt()[size_t(p)] != p) << p;
    }
}

// The board itself is shuffled by board::shuffle (BoardTest): here, that small
// boards show the moves and large ones do not.
TEST(PuzzlePlay, ShuffleShowsMovesOnlyOnSmallBoards)
{
    for (const int gridMax : {2, 19}) {
        PuzzleWindow t(11);
        startSliding(t, gridMax);
        t.fakes.pump->pumps = 0;
        t.w().puzzles().MixPieces();
        EXPECT_EQ(t.w().puzzle.Shuffling, 0);
        EXPECT_EQ(t.fakes.pump->pumps > 20, gridMax == 2) << gridMax;
        EXPECT_FALSE(t.w().Img(kBlankPiece)->isVisible());
    }
}

TEST(PuzzlePlay, AGameSwitchDuringTheShuffleStopsIt)
{
    PuzzleWindow t(2);
    startSliding(t);
    Educate &w = t.w();
    t.fakes.pump->onPump = [&] {
        if (t.fakes.pump->pumps == 12)
            w.UnloadGame(); // the child picked another game from the menu
    };
    w.puzzles().MixPieces();
    t.fakes.pump->onPump = nullptr;
    EXPECT_EQ(w.Img.count(), 0);
    EXPECT_LT(t.fakes.pump->pumps, 20);
}

TEST(PuzzlePlay, SlidingPieceMovesOnlyIntoTheBlankNextToIt)
{
    PuzzleWindow t;
    startSliding(t);
    Educate &w = t.w();
    w.puzzle.Shuffling = 0;
    // Blank in slot 1 (top left): one piece dropped on another is no jigsaw swap.
    const PieceTable before = t.pieceAt();
    t.dragSlot(2, 3);
    EXPECT_EQ(t.pieceAt(), before);
    // Slot 2 is next to it: piece 2 slides left and the blank takes its place.
    t.dragSlot(2, 1);
    EXPECT_EQ(t.pieceAt()[1], 2);
    EXPECT_EQ(t.pieceAt()[2], kBlankPiece);
    EXPECT_EQ(w.Img(2)->geometry(), t.layout().slotRect(1));
    // Sliding it back solves the board: the whole picture shows.
    t.dragSlot(1, 2);
    EXPECT_EQ(w.Img.count(), 0);
    EXPECT_TRUE(w.Img(0)->isVisible());
}

} // namespace
} // namespace tw::test
