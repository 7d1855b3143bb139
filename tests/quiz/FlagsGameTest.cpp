// The Flags game: the grid shrinks to the flags there are, and a game plays.
#include "common/Constants.h"
#include "quiz/GameContent.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

TEST(FlagsGame, TheGridShrinksToTheFlags)
{
    struct Case
    {
        int sizeItem, flags, gridMax;
    };
    const Case cases[] = {
        {2, 20, 3}, // 20 flags on 5 x 5: 4 x 4
        {0, 9, 2}, // 9 flags on 3 x 3 play
        {0, 5, 1}, // 5 flags on 3 x 3: 2 x 2
    };
    for (const Case &c : cases) {
        GameWindow t(c.flags);
        Educate &w = t.w();
        addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(c.flags), "gif");
        addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(c.flags), "png");
        w.settings().MNU_Size_Click(c.sizeItem);
        w.MNU_Game_Click(GameFlags);
        EXPECT_EQ(w.shell.GridMax, c.gridMax) << c.flags;
        const int n = (c.gridMax + 1) * (c.gridMax + 1);
        EXPECT_EQ(t.playDealRight(n).size(), n - 1) << c.flags;
        EXPECT_TRUE(t.againEnabled()) << c.flags;
    }
}

TEST(FlagsGame, QuestionsNameTheFlagsShown)
{
    GameWindow t(2);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"),
                {QStringLiteral("France"), QStringLiteral("Japan"), QStringLiteral("Peru"),
                 QStringLiteral("Chad")});
    w.MNU_Game_Click(GameFlags);
    ASSERT_EQ(w.shell.GridMax, 1);
    const TileLabel *q = w.Question(1);
    const int k = q->tag.toInt();
    ASSERT_TRUE(w.Img(k)->hasPicture());
    const QString name = q->text().trimmed();
    EXPECT_TRUE(QStringList({QStringLiteral("France"), QStringLiteral("Japan"),
                             QStringLiteral("Peru"), QStringLiteral("Chad")})
                    .contains(name));
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

TEST(FlagsGame, TooFewFlagsDealNothing)
{
    GameWindow t(3);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Flags"), shortNames(3));
    w.MNU_Game_Click(GameFlags);
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_TRUE(w.Question(1)->tag.isEmpty());
    EXPECT_FALSE(w.shell.Loading);
}
