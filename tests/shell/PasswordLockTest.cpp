// The parent's password: what it guards, and creating, changing and emptying it.
#include "shell/PasswordLock.h"
#include "common/Constants.h"
#include "common/MenuId.h"
#include "shell/FrmPass.h"
#include "shell/GameClock.h"
#include "shell/MenuBar.h"
#include "shell/Settings.h"
#include "support/TestWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

constexpr MenuId kRq = MenuId::MNU_PsRq;

// A window with its settings loaded and the password dialog answered by script.
struct OpenWindow : TestWindow
{
    OpenWindow()
    {
        scriptPasswords();
        w().settings().LoadData();
    }
    PasswordLock &lock() { return w().password(); }
};

// A window playing Paint Box (no content needed) with the password set by
// the parent through the dialog and the given requirements checked.
struct LockedWindow : OpenWindow
{
    explicit LockedWindow(std::initializer_list<int> required = {1, 2, 3})
    {
        w().shell.LastGame = GamePaintBox;
        w().MNU_Game_Click(GamePaintBox);
        passAnswers.push_back({{}, QStringLiteral("tiger"), QStringLiteral("tiger")});
        w().password().MNU_PsCreate_Click();
        for (int i : required) {
            passAnswers.push_back({QStringLiteral("tiger")});
            w().password().MNU_PsRq_Click(i);
        }
        dialogsAnswered = 0;
    }
};

TEST(PasswordLock, WithNoPasswordNothingIsEverAsked)
{
    OpenWindow t;
    Educate &w = t.w();
    w.password().setUpMenus();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(w.menus().enabled(kRq, i));
        w.menus().setChecked(kRq, i, true); // as a stored file may have them
    }
    w.shell.LastGame = GamePaintBox;
    w.MNU_Game_Click(GamePaintBox);
    w.MNU_Game_Click(GameColouringBook);
    w.settings().MNU_Limit_Click(1);
    EXPECT_EQ(w.shell.CurrentGame, GameColouringBook);
    EXPECT_EQ(w.shell.TimeLimit, 15);
    EXPECT_TRUE(w.QueryUnload());
    EXPECT_EQ(t.unexpectedDialogs, 0);
}

TEST(PasswordLock, CreatingAndEmptyingThePasswordSwitchTheRequirements)
{
    LockedWindow t;
    EXPECT_EQ(t.lock().StoredPassword, QStringLiteral("tiger"));
    EXPECT_EQ(t.w().menus().caption(MenuId::MNU_PsCreate), QStringLiteral("Change Password"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(t.w().menus().enabled(kRq, i));
    // Toggling a requirement needs the password.
    t.passAnswers.push_back({QStringLiteral("wrong")});
    t.lock().MNU_PsRq_Click(4);
    EXPECT_FALSE(t.w().menus().checked(kRq, 4));
    t.passAnswers.push_back({QStringLiteral("tiger")});
    t.lock().MNU_PsRq_Click(4);
    EXPECT_TRUE(t.w().menus().checked(kRq, 4));

    t.passAnswers.push_back({QStringLiteral("tiger"), {}, {}});
    t.lock().MNU_PsCreate_Click();
    EXPECT_TRUE(t.lock().StoredPassword.isEmpty());
    EXPECT_EQ(t.w().menus().caption(MenuId::MNU_PsCreate), QStringLiteral("Create Password"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(t.w().menus().enabled(kRq, i));
    t.w().MNU_Game_Click(GameColouringBook);
    EXPECT_EQ(t.w().shell.CurrentGame, GameColouringBook);
    EXPECT_EQ(t.unexpectedDialogs, 0);
}

TEST(PasswordLock, ARefusedGameChangeRestartsTheGameBeingPlayed)
{
    const struct
    {
        PassAnswer answer;
        int game;
    } cases[] = {
        {{QStringLiteral("wrong")}, GamePaintBox},
        {{QStringLiteral("tiger"), {}, {}, true}, GamePaintBox}, // Cancel
        {{QStringLiteral("tiger")}, GameColouringBook},
        {{QStringLiteral("marble")}, GameColouringBook}, // the master word opens
    };
    for (const auto &c : cases) {
        LockedWindow t;
        t.passAnswers.push_back(c.answer);
        t.w().MNU_Game_Click(GameColouringBook);
        EXPECT_EQ(t.dialogsAnswered, 1);
        EXPECT_EQ(t.w().shell.CurrentGame, c.game);
        EXPECT_EQ(t.w().shell.LastGame, c.game);
        EXPECT_FALSE(t.w().shell.Loading);
    }
}

TEST(PasswordLock, ARefusedExitKeepsTheWindowOpenAndTheKeysBlocked)
{
    LockedWindow t;
    t.w().show();
    t.fakes.keys->blocked = true;
    t.passAnswers.push_back({QStringLiteral("wrong")});
    EXPECT_FALSE(t.w().close());
    EXPECT_TRUE(t.w().isVisible());
    EXPECT_FALSE(t.w().unloaded());
    EXPECT_TRUE(t.fakes.keys->blocked);

    t.passAnswers.push_back({QStringLiteral("tiger")});
    EXPECT_TRUE(t.w().close());
    EXPECT_TRUE(t.w().unloaded());
    EXPECT_FALSE(t.fakes.keys->blocked);
    EXPECT_EQ(t.dialogsAnswered, 2);
}

TEST(PasswordLock, TheToolsMenuClosesForThePasswordAndOpensAgainWhenItIsRight)
{
    const int tools = static_cast<int>(PasswordRequirement::Tools);
    for (const bool right : {true, false}) {
        LockedWindow t({tools});
        t.w().show();
        QMenu *menu = t.w().menus().menu(MenuId::MNU_Tools);
        ASSERT_NE(menu, nullptr);
        t.passAnswers.push_back({right ? QStringLiteral("tiger") : QStringLiteral("wrong")});
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
    EXPECT_TRUE(t.lock().CheckPass(PasswordRequirement::Exit));
    EXPECT_TRUE(t.lock().CheckPass(PasswordRequirement::Settings));
    EXPECT_TRUE(t.lock().CheckPass(PasswordRequirement::Game));
    // Delay sets Loading while it waits.
    t.fakes.pump->onPump = [&] { EXPECT_TRUE(t.lock().CheckPass(PasswordRequirement::Settings)); };
    t.w().clock().Delay(1);
    EXPECT_EQ(t.dialogsAnswered, 0);
    EXPECT_EQ(t.unexpectedDialogs, 0);
}

TEST(PasswordLock, ChangingNeedsTheExactOldPasswordNotTheMasterWord)
{
    LockedWindow t;
    // The master word is refused; the dialog stays open, empty, for another try.
    t.passAnswers.push_back(
        {QStringLiteral("marble"), QStringLiteral("lion"), QStringLiteral("lion")});
    t.passAnswers.push_back(
        {QStringLiteral("tiger"), QStringLiteral("lions"), QStringLiteral("lionz")});
    t.passAnswers.push_back({{}, {}, {}, true});
    t.lock().MNU_PsCreate_Click();
    EXPECT_EQ(t.lock().StoredPassword, QStringLiteral("tiger"));
    EXPECT_EQ(t.dialogsAnswered, 3);

    t.passAnswers.push_back(
        {QStringLiteral("tiger"), QStringLiteral("lions"), QStringLiteral("lions")});
    t.lock().MNU_PsCreate_Click();
    EXPECT_EQ(t.lock().StoredPassword, QStringLiteral("lions"));
}

TEST(PasswordLock, PasswordsThatWouldNotProtectAreRefused)
{
    for (const QString &weak : {QStringLiteral("abc"), QStringLiteral("ti,ger")}) {
        OpenWindow t;
        t.lock().setUpMenus();
        t.passAnswers.push_back({{}, weak, weak});
        t.passAnswers.push_back({{}, {}, {}, true});
        t.lock().MNU_PsCreate_Click();
        EXPECT_TRUE(t.lock().StoredPassword.isEmpty());
        EXPECT_EQ(t.fakes.dialogs->messages.size(), 1);
        EXPECT_FALSE(t.w().menus().enabled(kRq, 1));
    }
}

TEST(PasswordLock, AShortStoredPasswordLocksNothingAndCanBeReplaced)
{
    OpenWindow t;
    t.lock().StoredPassword = QStringLiteral("ab"); // from an old settings file
    t.w().menus().setChecked(kRq, 2, true);
    t.lock().setUpMenus();
    EXPECT_FALSE(t.w().menus().enabled(kRq, 2));
    EXPECT_TRUE(t.lock().CheckPass(PasswordRequirement::Settings));

    t.passAnswers.push_back({{}, QStringLiteral("tiger"), QStringLiteral("tiger")});
    t.lock().MNU_PsCreate_Click();
    EXPECT_EQ(t.lock().StoredPassword, QStringLiteral("tiger"));
}

TEST(PasswordLock, MismatchWithoutAPasswordClearsTheRequirements)
{
    OpenWindow t;
    t.w().menus().setChecked(kRq, 1, true);
    t.passAnswers.push_back({{}, QStringLiteral("tiger"), QStringLiteral("tigre")});
    t.passAnswers.push_back({{}, {}, {}, true});
    t.lock().MNU_PsCreate_Click();
    EXPECT_FALSE(t.w().menus().checked(kRq, 1));
    EXPECT_FALSE(t.w().menus().enabled(kRq, 1));
    EXPECT_TRUE(t.lock().StoredPassword.isEmpty());
}

TEST(PasswordLock, EnterConfirmsEscapeAndTheCloseBoxCancel)
{
    enum Key { Enter, Escape, CloseBox };
    const struct
    {
        Key key;
        bool allowed;
    } cases[] = {{Enter, true}, {Escape, false}, {CloseBox, false}};
    for (const auto &c : cases) {
        LockedWindow t;
        t.fakes.pump->onPump = [&] {
            FrmPass *d = t.lock().dialog();
            if (!t.lock().asking() || !d->isVisible())
                return;
            d->PassBox(0)->setText(QStringLiteral("tiger"));
            if (c.key == Enter)
                QTest::keyClick(d->PassBox(0), Qt::Key_Return);
            else if (c.key == Escape)
                QTest::keyClick(d->PassBox(0), Qt::Key_Escape);
            else
                d->close();
        };
        EXPECT_EQ(t.lock().CheckPass(PasswordRequirement::Settings), c.allowed) << c.key;
        EXPECT_FALSE(t.lock().dialog()->isVisible());
    }
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
    EXPECT_FALSE(t.lock().CheckPass(PasswordRequirement::Settings));
    EXPECT_NEAR(t.fakes.clock->now - start, PasswordLock::kWaitSeconds, 1.0);
    ASSERT_GE(shown.size(), 30);
    EXPECT_EQ(shown.first(), QString());
    EXPECT_TRUE(shown.at(1).contains(QStringLiteral("30 seconds"))) << shown.at(1).toStdString();
    EXPECT_TRUE(shown.last().contains(QStringLiteral(" 1 second "))) << shown.last().toStdString();

    t.fakes.pump->onPump = [&] { t.lock().dialog()->hide(); };
    EXPECT_FALSE(t.lock().CheckPass(PasswordRequirement::Settings));
}

TEST(PasswordLock, ASecondQuestionWhileOneIsOpenIsRefused)
{
    LockedWindow t;
    bool inner = true;
    t.fakes.pump->onPump = [&] {
        if (!t.lock().asking())
            return;
        inner = t.lock().CheckPass(PasswordRequirement::Exit); // say, the window's close box
        t.answerDialog();
    };
    t.passAnswers.push_back({QStringLiteral("tiger")});
    EXPECT_TRUE(t.lock().CheckPass(PasswordRequirement::Settings));
    EXPECT_FALSE(inner);
}

} // namespace
} // namespace tw::test
