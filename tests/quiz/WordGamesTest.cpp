// Initial Letters, Spelling and Words: the word-length menu, collecting the
// pictures, widening the choice, the typing box and whole games.
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "shell/Settings.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace tw;
using namespace tw::test;

namespace {

const QStringList kThreeLetterAnimals
    = {"Ant", "Bee", "Cat", "Cow", "Dog", "Fox", "Hen", "Owl", "Pig"};

// The word of the question being asked in Spelling.
QString currentWord(QuizWindow &t)
{
    const TileLabel *a = t.w().Answer(t.rightTile());
    return a ? a->text() : QString();
}

} // namespace

// Which names are short enough is collectWordFiles' (GameDrawsTest); here the
// subjects checked, the box and the keys.
TEST(WordGames, SpellingTakesTheCheckedSubjectsAndAWordTypedInAnyCaseIsRight)
{
    GameWindow t(2);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Animals"), kThreeLetterAnimals);
    addPictures(w.shell.AppFolder, QStringLiteral("Misc"), {QStringLiteral("Box")});
    checkSubjects(w, MenuId::MNU_SpellSubject, {2});
    w.MNU_Game_Click(GameSpelling);
    ASSERT_EQ(w.shell.WordLength, 3);
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(w.quiz.PictureList[i].contains(QStringLiteral("Box")));
    const int first = t.rightTile();
    const QString word = currentWord(t);
    ASSERT_EQ(word.size(), 3);
    // The box lies over the answer tile of the question.
    EXPECT_EQ(w.SpellBox->geometry().topLeft(), w.Answer(first)->geometry().topLeft());
    // Typed at the window, the letters reach the box: it holds the focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    for (const QChar c : word.left(2).toLower())
        QTest::keyClick(w.windowHandle(), c.toLatin1());
    EXPECT_EQ(w.SpellBox->text(), word.left(2).toLower());
    EXPECT_EQ(t.rightTile(), first) << "half a word keeps the game waiting";
    QTest::keyClicks(w.SpellBox, word.mid(2).toLower());
    EXPECT_TRUE(w.Answer(first)->isHidden());
    EXPECT_TRUE(w.SpellBox->text().isEmpty()) << "the box is emptied for the next word";
    // The rest of the deal, typed in capitals.
    for (int step = 0; step < 8 && !t.againEnabled(); ++step)
        QTest::keyClicks(w.SpellBox, currentWord(t).toUpper());
    EXPECT_TRUE(t.againEnabled());
    EXPECT_FALSE(w.SpellBox->isVisible());
}

TEST(WordGames, SpellingWithNoSubjectWidensTheChoice)
{
    GameWindow t(3);
    Educate &w = t.w();
    addPictures(w.shell.AppFolder, QStringLiteral("Misc"),
                {"Ball", "Bell", "Book", "Cake", "Drum", "Gift", "Kite", "Moon", "Nest"});
    checkSubjects(w, MenuId::MNU_SpellSubject, {});
    w.MNU_Game_Click(GameSpelling);
    EXPECT_EQ(w.shell.WordLength, 4);
    EXPECT_TRUE(w.menus().checked(MenuId::MNU_SpellSubject, 1));
    EXPECT_EQ(w.shell.GridMax, 2);
    EXPECT_EQ(currentWord(t).size(), 4) << "the restarted game is dealt";
}

TEST(WordGames, InitialLettersFollowTheKeyboardOptionsOnAtMostFiveByFive)
{
    GameWindow t(8);
    Educate &w = t.w();
    w.settings().MNU_Size_Click(3); // 6 x 6: the game plays on at most 5 x 5
    w.settings().MNU_Kbd_Click(2); // mouse only: typing does nothing
    w.MNU_Game_Click(GameInitialLetters);
    EXPECT_EQ(w.shell.GridMax, 4);
    const int first = t.rightTile();
    // Keys go to the window, which hands them to the game before any control.
    const char key = w.Question(w.quiz.QuestionTile)->text().at(1).toLower().toLatin1();
    QTest::keyClick(&w, key);
    EXPECT_EQ(t.rightTile(), first);

    w.settings().MNU_Kbd_Click(3); // keyboard only: clicks do nothing
    QuizWindow::click(w.Answer(first));
    EXPECT_EQ(t.rightTile(), first);
    QTest::keyClick(&w, key); // a small letter counts as its capital
    EXPECT_TRUE(w.Answer(first)->isHidden());
}
