// Both puzzles started from the Play menu and played with the mouse, as a child would.
#include "PuzzleWindow.h"
#include "common/MenuId.h"

#include "shell/MenuBar.h"
#include "shell/Settings.h"

#include <QAction>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

constexpr int kJigsawGame = 3;
constexpr int kSlidingGame = 4;

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
    ASSERT_EQ(t.w().shell.CurrentGame, game);
    ASSERT_EQ(t.w().shell.CurrentSubject, QStringLiteral("Puzzle"));
    ASSERT_EQ(t.w().Img.count(), 9);
}

void expectWholePicture(PuzzleWindow &t)
{
    Educate &w = t.w();
    EXPECT_EQ(w.Img.count(), 0);
    EXPECT_TRUE(w.Img(0)->isVisible());
    EXPECT_EQ(w.Img(0)->geometry(), QRect(QPoint(0, 0), w.playArea()->size()));
    EXPECT_TRUE(w.shell.CurrentSubject.isEmpty());
    QAction *again = w.menus().item(MenuId::MNU_Again);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isEnabled());
}

TEST(PuzzleGame, JigsawFromThePlayMenuIsSolvedByDragging)
{
    PuzzleWindow t(21);
    startGame(t, kJigsawGame);
    EXPECT_TRUE(board::isPermutation(t.pieceAt(), 9));
    int drags = 0;
    for (int s = 1; s <= 9 && t.w().Img.count() > 0; ++s) {
        if (t.pieceAt()[size_t(s)] == s)
            continue;
        t.dragSlot(board::slotOf(t.pieceAt(), 9, s), s);
        ASSERT_LT(++drags, 9);
    }
    expectWholePicture(t);
}

TEST(PuzzleGame, SlidingPuzzleFromThePlayMenuIsShuffled)
{
    PuzzleWindow t(8);
    startGame(t, kSlidingGame);
    Educate &w = t.w();
    EXPECT_EQ(w.puzzle.Shuffling, 0);
    EXPECT_LT(board::countHome(t.pieceAt(), 9), 3);
    EXPECT_FALSE(w.Img(1)->isVisible()); // the blank (sliding is PuzzlePlayTest's)
    EXPECT_TRUE(board::isSolvableSliding(t.pieceAt(), 3, w.puzzle.BlankSlot));
}

} // namespace
} // namespace tw::test
