// The Flags game: the grid shrinks to the flags there are, and a game plays.
#include "common/Constants.h"
#include "quiz/GameContent.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

// 20 flags, each as .gif and .png, on 5 x 5: 4 x 4, played to its end (the
// sizes themselves are planItemGrid's, GridPlanTest).
TEST(FlagsGame, TheGridShrinksToTheFlags)
{
    GameWindow t(1);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(20), "gif");
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(20), "png");
    w.settings().MNU_Size_Click(2);
    w.MNU_Game_Click(GameFlags);
    EXPECT_EQ(w.shell.GridMax, 3);
    EXPECT_EQ(t.playDealRight(16).size(), 15);
    EXPECT_TRUE(t.againEnabled());
}

TEST(FlagsGame, AChildsClickOnTheRightFlagReachesItThroughTheWidgetOnTop)
{
    GameWindow t(2);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(4));
    w.MNU_Game_Click(GameFlags);
    ASSERT_EQ(w.shell.GridMax, 1);
    const int right = t.rightTile();
    // The flag lies over its answer tile: the click lands on the picture.
    const QPoint centre = w.Answer(right)->geometry().center();
    QWidget *top = w.playArea()->childAt(centre);
    ASSERT_NE(qobject_cast<PictureTile *>(top), nullptr);
    QTest::mouseClick(top, Qt::LeftButton, {}, top->mapFrom(w.playArea(), centre));
    EXPECT_EQ(w.quiz.QuestionTile, right); // marked right: the answer asks next
}
