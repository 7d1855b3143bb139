// The parent's password: what it guards, and creating, changing and emptying it.
#include "shell/PasswordLock.h"
#include "common/MenuId.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

using PR = PasswordRequirement;
constexpr MenuId kRq = MenuId::MNU_PsRq;
const QString kTiger = QStringLiteral("tiger");
const QString kWrong = QStringLiteral("wrong");

struct LockedWindow : TestWindow
{
    explicit LockedWindow(std::initializer_list<PR> required = {PR::Exit, PR::Settings, PR::Game})
    {
        lockWith(required);
    }
};

TEST(PasswordLock, CreatingAndEmptyingThePasswordSwitchTheRequirements)
{
    LockedWindow t;
    MenuBar &m = t.w().menus();
    EXPECT_EQ(t.lock().StoredPassword, kTiger);
    EXPECT_TRUE(m.enabled(kRq, 1) && m.enabled(kRq, 3));
    // Toggling a requirement needs the password.
    t.passAnswers = {{kWrong}, {kTiger}};
    t.lock().MNU_PsRq_Click(4);
    EXPECT_FALSE(m.checked(kRq, 4));
    t.lock().MNU_PsRq_Click(4);
    EXPECT_TRUE(m.checked(kRq, 4));

    t.passAnswers.push_back({kTiger, {}, {}});
    t.lock().MNU_PsCreate_Click();
    EXPECT_TRUE(t.lock().StoredPassword.isEmpty());
    EXPECT_EQ(m.caption(MenuId::MNU_PsCreate), QStringLiteral("Create Password"));
    EXPECT_FALSE(m.enabled(kRq, 1) || m.enabled(kRq, 3));
    SettingsValues options = t.w().options(); // as a stored file may have them:
    options.Required = {1, 1, 1}; // still nothing is asked
    t.w().setOptions(options);
    t.w().MNU_Game_Click(GameColouringBook);
    t.w().settings().MNU_Limit_Click(1);
    EXPECT_EQ(t.w().shell.CurrentGame, GameColouringBook);
    EXPECT_EQ(t.w().shell.TimeLimit, 15);
    EXPECT_TRUE(t.w().QueryUnload());
    EXPECT_EQ(t.unexpectedDialogs, 0);
}

TEST(PasswordLock, ARefusedGameChangeRestartsTheGameBeingPlayed)
{
    const std::pair<PassAnswer, int> cases[] = {
        {{kWrong}, GamePaintBox},
        {{kTiger, {}, {}, true}, GamePaintBox}, // Cancel
        {{kTiger}, GameColouringBook},
        {{QStringLiteral("marble")}, GameColouringBook}, // the master word opens
    };
    for (const auto &[answer, game] : cases) {
        LockedWindow t;
        t.passAnswers.push_back(answer);
        t.w().MNU_Game_Click(GameColouringBook);
        EXPECT_EQ(t.dialogsAnswered, 1);
        EXPECT_EQ(t.w().shell.CurrentGame, game);
        EXPECT_EQ(t.w().shell.LastGame, game);
        EXPECT_FALSE(t.w().shell.Loading);
    }
}

TEST(PasswordLock, ARefusedExitKeepsTheWindowOpenAndTheKeysBlocked)
{
    LockedWindow t;
    t.w().show();
    t.fakes.keys->blocked = true;
    t.passAnswers = {{kWrong}, {kTiger}};
    EXPECT_FALSE(t.w().close());
    EXPECT_TRUE(t.w().isVisible());
    EXPECT_TRUE(t.fakes.keys->blocked);
    EXPECT_TRUE(t.w().close());
    EXPECT_TRUE(t.w().unloaded());
    EXPECT_FALSE(t.fakes.keys->blocked);
}

TEST(PasswordLock, TheToolsMenuClosesForThePasswordAndOpensAgainWhenItIsRight)
{
    for (const bool right : {true, false}) {
        LockedWindow t({PR::Tools});
        t.w().show();
        QMenu *menu = t.w().menus().menu(MenuId::MNU_Tools);
        ASSERT_NE(menu, nullptr);
        t.passAnswers.push_back({right ? kTiger : kWrong});
        menu->popup(QPoint(10, 10)); // the child opens the menu: its handler asks
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(t.dialogsAnswered, 1) << right;
        EXPECT_EQ(menu->isVisible(), right);
        menu->hide();
    }
}

TEST(PasswordLock, NothingIsAskedForTheGameBeingPlayedOrWhileLoading)
{
    LockedWindow t;
    t.w().MNU_Game_Click(GamePaintBox);
    t.w().MNU_Again_Click();
    EXPECT_EQ(t.w().shell.CurrentGame, GamePaintBox);
    t.w().shell.Loading = true;
    for (PR r : {PR::Exit, PR::Settings, PR::Game})
        EXPECT_TRUE(t.lock().CheckPass(r));
    // Delay sets Loading while it waits.
    t.fakes.pump->onPump = [&] { EXPECT_TRUE(t.lock().CheckPass(PR::Settings)); };
    t.w().clock().Delay(1);
    EXPECT_EQ(t.dialogsAnswered + t.unexpectedDialogs, 0);
}

TEST(PasswordLock, ChangingNeedsTheExactOldPasswordNotTheMasterWord)
{
    LockedWindow t;
    const QString lion = QStringLiteral("lions");
    // The master word is refused, so is a mismatch; the dialog stays open for another try.
    t.passAnswers
        = {{QStringLiteral("marble"), lion, lion}, {kTiger, lion, lion + "z"}, {{}, {}, {}, true}};
    t.lock().MNU_PsCreate_Click();
    EXPECT_EQ(t.lock().StoredPassword, kTiger);
    EXPECT_EQ(t.dialogsAnswered, 3);
    t.passAnswers.push_back({kTiger, lion, lion});
    t.lock().MNU_PsCreate_Click();
    EXPECT_EQ(t.lock().StoredPassword, lion);
}

// Too short, with the settings file's separator, or not repeated alike: refused. A
// short password from an old file locks nothing and can be replaced.
TEST(PasswordLock, PasswordsThatWouldNotProtectAreRefused)
{
    const PassAnswer weak[] = {{{}, QStringLiteral("abc"), QStringLiteral("abc")},
                               {{}, QStringLiteral("ti,ger"), QStringLiteral("ti,ger")},
                               {{}, kTiger, QStringLiteral("tigre")}};
    for (const PassAnswer &answer : weak) {
        const bool mismatch = answer.fresh != answer.repeat; // says nothing, unchecks all
        TestWindow t;
        t.scriptPasswords();
        t.w().settings().LoadData();
        t.lock().setUpMenus();
        t.w().menus().click(kRq, 1);
        t.passAnswers = {answer, {{}, {}, {}, true}};
        t.lock().MNU_PsCreate_Click();
        EXPECT_TRUE(t.lock().StoredPassword.isEmpty());
        EXPECT_FALSE(t.w().menus().enabled(kRq, 1));
        EXPECT_EQ(t.w().menus().checked(kRq, 1), !mismatch);
        EXPECT_EQ(t.fakes.dialogs->messages.size(), mismatch ? 0 : 1);
    }
    TestWindow t;
    t.scriptPasswords();
    t.lock().StoredPassword = QStringLiteral("ab");
    t.w().menus().click(kRq, 2);
    t.lock().setUpMenus();
    EXPECT_FALSE(t.w().menus().enabled(kRq, 2));
    EXPECT_TRUE(t.lock().CheckPass(PR::Settings));
    t.passAnswers.push_back({{}, kTiger, kTiger});
    t.lock().MNU_PsCreate_Click();
    EXPECT_EQ(t.lock().StoredPassword, kTiger);
}

TEST(PasswordLock, AnUnansweredOrVanishedDialogIsARefusal)
{
    LockedWindow t;
    // The dialog says when it will give up, in its last half minute only.
    QStringList shown;
    t.fakes.pump->onPump = [&] {
        QLabel *line = t.lock().dialog()->countdown();
        const QString text = line->isVisibleTo(t.lock().dialog()) ? line->text() : QString();
        if (shown.isEmpty() || shown.last() != text)
            shown << text;
    };
    const double start = t.fakes.clock->now;
    EXPECT_FALSE(t.lock().CheckPass(PR::Settings));
    EXPECT_NEAR(t.fakes.clock->now - start, PasswordLock::kWaitSeconds, 1.0);
    ASSERT_GE(shown.size(), 30);
    EXPECT_TRUE(shown.first().isEmpty() && shown.at(1).contains(QStringLiteral("30 seconds")));

    t.fakes.pump->onPump = [&] { t.lock().dialog()->hide(); };
    EXPECT_FALSE(t.lock().CheckPass(PR::Settings));
}

TEST(PasswordLock, ASecondQuestionWhileOneIsOpenIsRefused)
{
    LockedWindow t;
    bool inner = true;
    t.fakes.pump->onPump = [&] {
        if (!t.lock().asking())
            return;
        inner = t.lock().CheckPass(PR::Exit); // say, the window's close box
        t.answerDialog();
    };
    t.passAnswers.push_back({kTiger});
    EXPECT_TRUE(t.lock().CheckPass(PR::Settings));
    EXPECT_FALSE(inner);
}

} // namespace
} // namespace tw::test
