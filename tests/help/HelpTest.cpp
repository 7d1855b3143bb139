// The Help menu: the password it asks, the manual in a browser or our own window,
// the about box; and the shipped manual's sections.
#include "help/Help.h"
#include "help/ManualWindow.h"
#include "help/SystemInfo.h"
#include "help/frmAbout.h"
#include "shell/MenuBar.h"
#include "shell/MenuTable.h"
#include "support/TestWindow.h"
#include "tumblewick/Version.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QRegularExpression>
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

    t.passAnswers.push_back({QStringLiteral("tiger")});
    box->cmdSysInfo()->click();
    EXPECT_EQ(t.dialogsAnswered, 3);
    EXPECT_EQ(t.fakes.desktop->started, QStringList {QStringLiteral("/usr/bin/hardinfo")});
    EXPECT_EQ(t.unexpectedDialogs, 0);
    EXPECT_TRUE(t.fakes.dialogs->messages.isEmpty());
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
    EXPECT_EQ(t.fakes.desktop->opened.size(), 1); // the browser is not tried again
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
    const auto installed = [](QStringList names) {
        return [names](const QString &name) {
            return names.contains(name) ? QStringLiteral("/bin/") + name : QString();
        };
    };
    EXPECT_TRUE(findSystemInfo(installed({})).program.isEmpty());
    const ProgramCall gnome = findSystemInfo(installed(
        {QStringLiteral("gnome-system-monitor"), QStringLiteral("gnome-control-center")}));
    EXPECT_EQ(gnome.program, QStringLiteral("/bin/gnome-control-center"));
    EXPECT_EQ(gnome.arguments, QStringList {QStringLiteral("info-overview")});

    HelpWindow t; // installed, but it will not start
    t.fakes.desktop->installed[QStringLiteral("kinfocenter")] = QStringLiteral("/bin/kinfocenter");
    t.fakes.desktop->canStart = false;
    t.help().StartSysInfo();
    EXPECT_EQ(t.fakes.dialogs->messages,
              QStringList {QStringLiteral("System Information Is Unavailable At This Time")});
}

// Every game of the Play menu has a section in the shipped manual, with its picture.
TEST(Manual, EveryGameOfThePlayMenuHasASectionWithItsPicture)
{
    const QDir content(QStringLiteral(TUMBLEWICK_CONTENT_DIR));
    const QString manual = QString::fromUtf8(readFile(content.filePath(Help::kManualFile)));
    const QRegularExpression picture(QStringLiteral(R"re(<img src="([^"]+)")re"));
    int games = 0;
    for (const MenuEntry &entry : menuTable()) {
        if (entry.name != MenuId::MNU_Game)
            continue;
        ++games;
        // A section tells how to start its game: "Play ▸ <the menu's caption>".
        const QString caption = QString::fromUtf8(entry.caption).remove(QLatin1Char('&'));
        const qsizetype at = manual.indexOf(QStringLiteral("Play ▸ ") + caption);
        ASSERT_GE(at, 0) << caption.toStdString();
        const qsizetype begin = manual.lastIndexOf(QStringLiteral("<section"), at);
        const qsizetype end = manual.indexOf(QStringLiteral("</section>"), at);
        ASSERT_TRUE(begin >= 0 && end > at) << caption.toStdString();
        const auto match = picture.match(manual.mid(begin, end - begin));
        ASSERT_TRUE(match.hasMatch()) << caption.toStdString();
        EXPECT_TRUE(QImageReader(content.filePath(match.captured(1))).canRead())
            << match.captured(1).toStdString();
    }
    EXPECT_EQ(games, 14);
}

} // namespace
} // namespace tw::test
