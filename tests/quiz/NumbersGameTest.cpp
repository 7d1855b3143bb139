// Number Counting: dice patterns of one picture over the question tile.
#include "quiz/NumbersGame.h"
#include "common/Constants.h"
#include "common/FilePattern.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <set>

using namespace tw;
using namespace tw::test;

// Three pictures (with sounds) for eight questions: each is counted more than
// once. The game plays on 3 x 3 whatever the size chosen.
TEST(NumbersGame, EightDifferentNumbersOfCopiesInADiePatternPlayedToTheEnd)
{
    GameWindow t(1);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Fruit_Veg"), shortNames(3));
    addSounds(w.shell.AppFolder, shortNames(3));
    checkSubjects(w, MenuId::MNU_SpellSubject, {3});
    w.quiz.ItemValue[9] = 0; // what an earlier game may have left there
    w.settings().MNU_Size_Click(2);
    w.MNU_Game_Click(GameNumberCounting);
    ASSERT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(w.menus().checkedIndex(MenuId::MNU_Size), 0);
    std::set<int> numbers, pictures;
    QString counted;
    for (int step = 0; step < 9 && !t.againEnabled(); ++step) {
        const int item = int(w.quiz.ItemValue[w.quiz.QuestionTile]);
        pictures.insert(item);
        counted = itemName(w.quiz.FileList[item]);
        const int number = w.Answer(t.rightTile())->text().toInt();
        numbers.insert(number);
        // The copies show in the die's cells, inside the question tile.
        const QRect q = w.Question(w.quiz.QuestionTile)->geometry();
        std::vector<int> shown;
        for (int i = 1; i <= 9; ++i) {
            if (w.Img(i)->isVisible()) {
                shown.push_back(i);
                EXPECT_TRUE(q.contains(w.Img(i)->geometry()) && w.Img(i)->hasPicture()) << i;
            }
        }
        EXPECT_EQ(shown, diceCells(number)) << number;
        QuizWindow::click(w.Answer(t.rightTile()));
    }
    EXPECT_EQ(numbers.size(), 8u);
    EXPECT_TRUE(*numbers.begin() >= 1 && *numbers.rbegin() <= 9);
    EXPECT_EQ(pictures, (std::set<int> {1, 2, 3}));
    EXPECT_EQ(w.quiz.QuestionTile, 9);
    EXPECT_EQ(QuizWindow::visibleCount(w.Img, 9), 0);
    // The last answer names the pictures just counted.
    EXPECT_TRUE(t.fakes.sound->opened.last().endsWith("/Sounds/" + counted + ".wav"))
        << t.fakes.sound->opened.last().toStdString() << " " << counted.toStdString();
}
