// Number Counting: dice patterns of one picture over the question tile.
#include "quiz/NumbersGame.h"
#include "common/Constants.h"
#include "common/FilePattern.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "quiz/GameDraws.h"
#include "quiz/QuizWindow.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <set>

using namespace tw;
using namespace tw::test;

namespace {

struct NumbersWindow : GameWindow
{
    explicit NumbersWindow(std::uint32_t seed, int pictures = 12)
        : GameWindow(seed)
    {
        addPictures(w().shell.AppFolder, QStringLiteral("Fruit_Veg"), shortNames(pictures));
        checkSubjects(w(), MenuId::MNU_SpellSubject, {3});
    }
    // The cells of the die block shown now.
    std::vector<int> shownCells()
    {
        std::vector<int> cells;
        for (int i = 1; i <= 9; ++i)
            if (w().Img(i)->isVisible())
                cells.push_back(i);
        return cells;
    }
    int asked() { return w().Answer(rightTile())->text().toInt(); }
    // The pictures the deal asks to count, in the order of its questions.
    std::set<int> pictures()
    {
        std::set<int> items;
        for (int q = 1, s = 2; s <= 9; ++s, q = w().Question(q)->tag.toInt())
            items.insert(int(w().quiz.ItemValue[q]));
        return items;
    }
};

} // namespace

TEST(NumbersGame, ADealUsesEightNumbersAndEightPicturesOrReusesFewOnThreeByThree)
{
    for (int available : {12, 3}) {
        NumbersWindow t(1, available);
        Educate &w = t.w();
        w.settings().MNU_Size_Click(2);
        w.MNU_Game_Click(GameNumberCounting);
        ASSERT_EQ(w.shell.GridMax, 2) << "played on 3 x 3 whatever the size chosen";
        EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), 0);
        std::set<int> numbers;
        for (int k = 2; k <= 9; ++k)
            numbers.insert(w.Answer(k)->text().toInt());
        EXPECT_EQ(numbers.size(), 8u);
        EXPECT_GE(*numbers.begin(), 1);
        EXPECT_LE(*numbers.rbegin(), 9);
        EXPECT_EQ(t.pictures().size(), std::min(8u, unsigned(available)));
        EXPECT_LE(*t.pictures().rbegin(), available);
    }
}

TEST(NumbersGame, TheCopiesFollowTheDieAndAGamePlaysToTheEnd)
{
    NumbersWindow t(2);
    Educate &w = t.w();
    addSounds(w.shell.AppFolder, shortNames(12));
    w.quiz.ItemValue[9] = 0; // what an earlier game may have left there
    w.MNU_Game_Click(GameNumberCounting);
    int questions = 0;
    QString counted;
    while (!t.againEnabled() && questions < 9) {
        counted = itemName(w.quiz.FileList[w.quiz.ItemValue[w.quiz.QuestionTile]]);
        const int number = t.asked();
        EXPECT_EQ(t.shownCells(), diceCells(number)) << number;
        // The block lies inside the question tile.
        const QRect q = w.Question(w.quiz.QuestionTile)->geometry();
        for (int cell : t.shownCells())
            EXPECT_TRUE(q.contains(w.Img(cell)->geometry())) << cell;
        EXPECT_TRUE(w.Img(t.shownCells().front())->hasPicture());
        QuizWindow::click(w.Answer(t.rightTile()));
        ++questions;
    }
    EXPECT_EQ(questions, 8);
    EXPECT_EQ(w.quiz.QuestionTile, 9);
    // The last answer names the pictures just counted.
    EXPECT_TRUE(t.fakes.sound->opened.last().endsWith(QStringLiteral("/Sounds/") + counted
                                                      + QStringLiteral(".wav")))
        << t.fakes.sound->opened.last().toStdString() << " " << counted.toStdString();
    EXPECT_TRUE(t.againEnabled());
    EXPECT_TRUE(t.shownCells().empty());
}
