// The Flags game: the grid shrinks to the flags there are, and a click reaches the flag.
#include "common/Constants.h"
#include "quiz/GameContent.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

// 20 flags, each as .gif and .png, on 5 x 5: 4 x 4 (the sizes themselves are
// planItemGrid's, GridPlanTest; ShippedGames plays a flags game to its end).
TEST(FlagsGame, TheGridShrinksToTheFlagsAndAClickOnAFlagReachesItsTile)
{
    GameWindow t(1);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(20), "gif");
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(20), "png");
    w.settings().MNU_Size_Click(2);
    w.MNU_Game_Click(GameFlags);
    ASSERT_EQ(w.shell.GridMax, 3);
    const int right = t.rightTile();
    // The flag lies over its answer tile: the child's click lands on the picture.
    const QPoint centre = w.Answer(right)->geometry().center();
    QWidget *top = w.playArea()->childAt(centre);
    ASSERT_NE(qobject_cast<PictureTile *>(top), nullptr);
    QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(w.playArea(), centre));
    EXPECT_EQ(w.quiz.QuestionTile, right); // marked right: the answer asks next
}
