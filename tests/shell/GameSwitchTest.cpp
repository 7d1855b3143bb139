// Starting the window, switching games, clearing the play area and closing.
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"
#include "support/TestWindow.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

// The menu's Exit closes the window, unblocks the keys and stops the clock;
// the next start opens the game played last, with the backdrop chosen, which
// stays through every game.
TEST(GameSwitch, StartUpPreparesTheWindowAndOpensTheGamePlayedLast)
{
    TestWindow first;
    Educate &w = first.w();
    w.start();
    EXPECT_TRUE(first.fakes.keys->blocked);
    EXPECT_FALSE(w.menus().enabled(MenuId::MNU_Again));
    EXPECT_EQ(w.shell.CurrentGame, GameSounds);
    const int ticks = w.shell.TickCount; // the real timer ticks once a second
    QTest::qWait(GameClock::kTickMilliseconds + 300);
    EXPECT_EQ(w.shell.TickCount, ticks + 1);
    // A switch disables "Play Again" and starts the question's clock on a whole second.
    w.menus().setEnabled(MenuId::MNU_Again, -1, true);
    first.fakes.clock->now = 40000.7;
    w.MNU_Game_Click(GamePaintBox);
    EXPECT_EQ(w.shell.QuestionStart, 40000);
    EXPECT_FALSE(w.menus().enabled(MenuId::MNU_Again));
    EXPECT_FALSE(w.keyPreview());
    EXPECT_FALSE(w.shell.Loading);
    ASSERT_TRUE(writeImage(first.appDir.filePath(QStringLiteral("Sea.png")), "png", Qt::blue,
                           QSize(40, 30)));
    w.shell.BackdropFile = first.appDir.filePath(QStringLiteral("Sea.png"));
    w.show();
    w.menus().item(MenuId::MNU_Exit)->trigger();
    EXPECT_TRUE(w.unloaded());
    EXPECT_FALSE(first.fakes.keys->blocked);
    EXPECT_FALSE(w.clock().timerRunning());

    TestWindow second(first.writeDir.path());
    addPictures(second.appDir.path(), QStringLiteral("Animals"), {QStringLiteral("Cat")});
    second.w().start();
    second.w().clock().stopTimer();
    EXPECT_EQ(second.w().shell.CurrentGame, GamePaintBox);
    EXPECT_FALSE(second.w().hourglass());
    for (int game : {GamePaintBox, GameColours}) {
        second.w().MNU_Game_Click(game);
        EXPECT_EQ(second.w().Img(0)->picture().pixelColor(20, 15), QColor(Qt::blue)) << game;
    }
}

// The message, and a window that goes on from a clean play area.
TEST(GameSwitch, ARefusedPuzzlePictureLeavesAUsableWindow)
{
    for (int game : {GameJigsaw, GameSliding}) {
        TestWindow t;
        Educate &w = t.w();
        w.settings().LoadData();
        w.shell.LastGame = game;
        w.puzzle.PuzzleRefused = 1; // as the cutting reports a picture it cannot use
        w.Img(0)->clearPicture();
        w.MNU_Game_Click(game);
        EXPECT_EQ(t.fakes.dialogs->messages,
                  QStringList {QStringLiteral("Picture Not Suitable for Jig Saw Puzzle")});
        EXPECT_EQ(w.puzzle.PuzzleRefused, 0);
        EXPECT_FALSE(w.shell.Loading || w.hourglass());
        EXPECT_EQ(w.Img.count(), 0);

        // Unloading clears whatever a game left behind, all but the templates.
        ASSERT_TRUE(w.Question.load(1) && w.Answer.load(7) && w.Img.load(2));
        w.shell.CurrentSubject = QStringLiteral("Colour");
        w.quiz.AwaitingAnswer = 1;
        w.SpellBox->show();
        w.UnloadGame();
        EXPECT_EQ(w.Question.count() + w.Answer.count() + w.Img.count(), 0);
        EXPECT_TRUE(w.Img(0) && w.Question(0) && w.Answer(0));
        EXPECT_TRUE(w.shell.CurrentSubject.isEmpty() && w.quiz.AwaitingAnswer == 0);
        EXPECT_FALSE(w.SpellBox->isVisibleTo(&w));
        w.MNU_Game_Click(GamePaintBox);
        EXPECT_EQ(w.shell.CurrentGame, GamePaintBox);
    }
}

TEST(GameSwitch, ASwitchAskedForDuringASwitchRunsAfterIt)
{
    TestWindow t;
    Educate &w = t.w();
    w.settings().LoadData();
    w.menus().click(MenuId::MNU_PsRq, 3);
    w.password().StoredPassword = QStringLiteral("tiger");
    w.shell.LastGame = GameColouringBook;
    w.MNU_Game_Click(GameColouringBook);

    // While the password for Paint Box is asked, the child picks Coloring Book.
    bool picked = false;
    t.fakes.pump->onPump = [&] {
        if (!picked) {
            picked = true;
            w.MNU_Game_Click(GameColouringBook);
            EXPECT_EQ(w.shell.CurrentGame, GameColouringBook); // nothing happened yet
        }
        t.answerDialog();
    };
    t.passAnswers.push_back({QStringLiteral("tiger")});
    t.passAnswers.push_back({QStringLiteral("tiger")});
    w.MNU_Game_Click(GamePaintBox);
    EXPECT_EQ(t.dialogsAnswered, 2);
    EXPECT_EQ(w.shell.CurrentGame, GameColouringBook);
    EXPECT_FALSE(w.shell.Loading);
}

TEST(GameSwitch, AClosingAtAnyMomentOfTheStartEndsTheProgramWithTheSettingsSaved)
{
    // The sliding puzzle's shuffle makes the start wait many times.
    for (int closeAt : {-1, 0, 3, 30}) {
        SCOPED_TRACE(closeAt);
        TestWindow t;
        Educate &w = t.w();
        addPictures(t.appDir.path(), QStringLiteral("Animals"), {QStringLiteral("Cat")});
        SettingsValues v;
        v.LastGame = GameSliding;
        v.Limit = 2;
        t.storeSettings(v);

        int pumps = 0;
        t.fakes.pump->onPump = [&] {
            if (pumps++ == closeAt)
                w.close();
        };
        bool hung = false;
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [&] {
            hung = true;
            QCoreApplication::exit(1);
        });
        guard.start(10000);
        w.show();
        if (closeAt < 0)
            QTimer::singleShot(0, &w, [&] { w.close(); });
        w.startWhenRunning();
        QTimer::singleShot(0, &w, [&] { w.close(); }); // the start ran to its end
        QApplication::exec();

        EXPECT_FALSE(hung) << "the event loop never ended";
        EXPECT_GT(pumps, closeAt) << "closed during the start";
        EXPECT_TRUE(w.unloaded());
        const SettingsParse saved = parseSettings(readFile(w.settings().settingsPath()));
        EXPECT_TRUE(saved.complete());
        EXPECT_EQ(saved.values.Limit, 2);
    }
}

} // namespace
} // namespace tw::test
