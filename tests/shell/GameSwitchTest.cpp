// Starting the window, switching games, clearing the play area and closing.
#include "common/Constants.h"
#include "common/MenuId.h"
#include "quiz/GameContent.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"
#include "shell/PasswordLock.h"
#include "shell/Settings.h"
#include "support/TestWindow.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(GameSwitch, StartUpPreparesTheWindowAndOpensTheGamePlayedLast)
{
    TestWindow first;
    Educate &w = first.w();
    w.start();
    EXPECT_TRUE(first.fakes.keys->blocked);
    EXPECT_TRUE(w.clock().timerRunning());
    EXPECT_FALSE(w.menus().enabled(MenuId::MNU_Again));
    EXPECT_FALSE(w.menus().enabled(MenuId::MNU_PsRq, 1));
    EXPECT_EQ(w.shell.CurrentGame, GameSounds);
    // A switch disables "Play Again" and starts the question's clock on a whole second.
    w.menus().setEnabled(MenuId::MNU_Again, -1, true);
    first.fakes.clock->now = 40000.7;
    w.MNU_Game_Click(GamePaintBox);
    EXPECT_EQ(w.shell.QuestionStart, 40000);
    EXPECT_FALSE(w.menus().enabled(MenuId::MNU_Again));
    EXPECT_FALSE(w.keyPreview());
    EXPECT_FALSE(w.shell.Loading);
    ASSERT_TRUE(w.close());

    TestWindow second(first.writeDir.path());
    second.w().start();
    EXPECT_EQ(second.w().shell.CurrentGame, GamePaintBox);
    EXPECT_FALSE(second.w().shell.Loading);
    EXPECT_FALSE(second.w().hourglass());
    second.w().clock().stopTimer();
}

TEST(GameSwitch, AChosenBackdropStaysThroughStartUpAndEveryGame)
{
    TestWindow t;
    addPictures(t.appDir.path(), QStringLiteral("Animals"), {QStringLiteral("Cat")});
    const QString picture = t.appDir.filePath(QStringLiteral("Sea.png"));
    QImage sea(40, 30, QImage::Format_RGB32);
    sea.fill(Qt::blue);
    ASSERT_TRUE(sea.save(picture));
    SettingsValues v;
    v.BackdropFile = picture;
    v.LastGame = GamePaintBox;
    t.storeSettings(v);
    t.w().start();
    const QImage shown = sea.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(t.w().Img(0)->picture().convertToFormat(shown.format()), shown);
    t.w().MNU_Game_Click(GameColours);
    EXPECT_EQ(t.w().Img(0)->picture().convertToFormat(shown.format()), shown);
    t.w().clock().stopTimer();
}

TEST(GameSwitch, UnloadGameLeavesOnlyTheTemplates)
{
    TestWindow t;
    Educate &w = t.w();
    for (int i : {1, 2, 7})
        ASSERT_TRUE(w.Question.load(i) && w.Answer.load(i) && w.Img.load(i));
    w.shell.CurrentSubject = QStringLiteral("Colour");
    w.quiz.AwaitingAnswer = 1;
    w.SpellBox->show();
    w.UnloadGame();
    EXPECT_EQ(w.Question.count() + w.Answer.count() + w.Img.count(), 0);
    EXPECT_TRUE(w.Img(0) && w.Question(0) && w.Answer(0));
    EXPECT_TRUE(w.shell.CurrentSubject.isEmpty());
    EXPECT_EQ(w.quiz.AwaitingAnswer, 0);
    EXPECT_FALSE(w.SpellBox->isVisibleTo(&w));
}

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
        ASSERT_FALSE(t.fakes.dialogs->messages.isEmpty());
        EXPECT_EQ(t.fakes.dialogs->messages.last(),
                  QStringLiteral("Picture Not Suitable for Jig Saw Puzzle"));
        EXPECT_EQ(w.puzzle.PuzzleRefused, 0);
        EXPECT_FALSE(w.shell.Loading);
        EXPECT_FALSE(w.hourglass());
        EXPECT_EQ(w.Img.count(), 0);

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

// What closing saves is checked below, for a close at any moment of the start.
TEST(GameSwitch, ExitClosesTheWindowAndStopsTheClock)
{
    TestWindow t;
    t.w().start();
    t.w().show();
    t.w().menus().item(MenuId::MNU_Exit)->trigger();
    EXPECT_TRUE(t.w().unloaded());
    EXPECT_FALSE(t.w().isVisible());
    EXPECT_FALSE(t.fakes.keys->blocked);
    EXPECT_FALSE(t.w().clock().timerRunning());
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
