// The Help menu: the password it asks, the manual in a browser or our own window, the about box.
#include "help/Help.h"
#include "common/Constants.h"
#include "help/ManualWindow.h"
#include "help/frmAbout.h"
#include "shell/MenuBar.h"
#include "shell/Settings.h"
#include "support/TestWindow.h"
#include "tumblewick/Version.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tw::test {
namespace {

struct HelpWindow : TestWindow
{
    HelpWindow()
    {
        writeFile(manualPath(), "<html><body><h1>Tumblewick Help Manual</h1></body></html>");
    }
    QString manualPath() const { return appDir.filePath(QStringLiteral("Education.htm")); }
    Help &help() { return w().help(); }
};

TEST(Help, TheSettingsPasswordGuardsTheManualAndSystemInfoButNotTheAboutBox)
{
    HelpWindow t;
    t.lockWith({PasswordRequirement::Settings});
    t.fakes.desktop->installed[QStringLiteral("hardinfo")] = QStringLiteral("/usr/bin/hardinfo");

    t.passAnswers.push_back({QStringLiteral("wrong")});
    t.w().menus().click(MenuId::MNU_Manual);
    EXPECT_EQ(t.dialogsAnswered, 1);
    EXPECT_TRUE(t.fakes.desktop->opened.isEmpty());
    t.passAnswers.push_back({QStringLiteral("tiger")});
    t.w().menus().click(MenuId::MNU_Manual);
    EXPECT_EQ(t.dialogsAnswered, 2);
    EXPECT_EQ(t.fakes.desktop->opened, QStringList {t.manualPath()});

    t.w().menus().click(MenuId::MNU_About); // asks nothing; the build's version, one box at a time
    frmAbout *box = t.help().aboutBox();
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->lblVersion()->text(), QStringLiteral("Version ") + QLatin1String(kVersion));
    t.w().menus().click(MenuId::MNU_About);
    EXPECT_EQ(t.help().aboutBox(), box);
    EXPECT_EQ(t.dialogsAnswered, 2);

    t.passAnswers.push_back({QStringLiteral("tiger"), {}, {}, true});
    box->cmdSysInfo()->click();
    EXPECT_EQ(t.dialogsAnswered, 3);
    EXPECT_TRUE(t.fakes.desktop->started.isEmpty());
    t.passAnswers.push_back({QStringLiteral("marble")});
    box->cmdSysInfo()->click();
    EXPECT_EQ(t.fakes.desktop->started, QStringList {QStringLiteral("/usr/bin/hardinfo")});
    EXPECT_EQ(t.unexpectedDialogs, 0);
    EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty());
    box->cmdOK()->click();
    EXPECT_FALSE(box->isVisible());
}

TEST(Help, WithoutABrowserTheManualOpensInOurOwnWindowOnce)
{
    HelpWindow t;
    t.fakes.desktop->canOpen = false;
    t.w().menus().click(MenuId::MNU_Manual);
    ManualWindow *window = t.help().manualWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(
        window->browser()->toPlainText().contains(QStringLiteral("Tumblewick Help Manual")));

    window->showMinimized();
    t.w().menus().click(MenuId::MNU_Manual);
    EXPECT_EQ(t.help().manualWindow(), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(t.fakes.desktop->opened.size(), 1);
    EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty());
}

TEST(Help, AManualThatCannotBeReadGetsAMessageAndOpensNothing)
{
    enum Kind { Missing, Folder, Pipe };
    for (Kind kind : {Missing, Folder, Pipe}) {
        HelpWindow t;
        const QString path = t.manualPath();
        QFile::remove(path);
        if (kind == Folder)
            QDir().mkpath(path);
        if (kind == Pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        t.fakes.desktop->canOpen = false;
        t.w().menus().click(MenuId::MNU_Manual);
        ASSERT_EQ(t.fakes.dialogs->messages.size(), 1) << kind;
        EXPECT_TRUE(t.fakes.dialogs->messages[0].contains(path)) << kind;
        EXPECT_TRUE(t.fakes.desktop->opened.isEmpty()) << kind;
        EXPECT_FALSE(t.help().manualWindow()) << kind;
    }
}

TEST(Help, SystemInfoStartsTheFirstInstalledToolOrSaysThereIsNone)
{
    struct Case
    {
        QStringList installed;
        bool canStart;
        QString started; // empty: the "unavailable" message
    } cases[] = {
        {{}, true, {}},
        {{QStringLiteral("gnome-system-monitor"), QStringLiteral("gnome-control-center")},
         true,
         QStringLiteral("/bin/gnome-control-center info-overview")},
        {{QStringLiteral("kinfocenter")}, false, {}},
    };
    for (const Case &c : cases) {
        HelpWindow t;
        for (const QString &name : c.installed)
            t.fakes.desktop->installed[name] = QStringLiteral("/bin/") + name;
        t.fakes.desktop->canStart = c.canStart;
        t.help().StartSysInfo();
        if (c.started.isEmpty()) {
            EXPECT_EQ(
                t.fakes.dialogs->messages,
                QStringList {QStringLiteral("System Information Is Unavailable At This Time")})
                << c.installed.join(QLatin1Char(' ')).toStdString();
        } else {
            EXPECT_EQ(t.fakes.desktop->started.value(0), c.started);
            EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty());
        }
    }
}

} // namespace
} // namespace tw::test
