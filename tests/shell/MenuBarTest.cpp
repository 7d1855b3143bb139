// The menu bar: its tree, captions, indices and initial states, and where clicks go.
#include "shell/MenuBar.h"
#include "shell/MenuTable.h"
#include "shell/Settings.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(MenuBar, EveryItemIsFoundByNameAndIndexOnce)
{
    QSet<QString> seen;
    for (const MenuEntry &e : menuTable()) {
        const QString key = QLatin1String(e.name) + QLatin1Char('/') + QString::number(e.index);
        EXPECT_FALSE(seen.contains(key)) << qPrintable(key);
        seen.insert(key);
    }
    TestWindow t;
    for (const MenuEntry &e : menuTable())
        EXPECT_NE(t.w().menus().item(QLatin1String(e.name), e.index), nullptr) << e.name << e.index;
}

TEST(MenuBar, ArraysKeepTheirIndicesWithTheirGaps)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        const char *name;
        QList<int> indices;
    } cases[] = {
        {"MNU_Game", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"MNU_Size", {0, 1, 2, 3, 4, 5, 6, 7, 12, 17}},
        {"MNU_Letters", {3, 4, 5, 6, 7, 8, 10, 20}},
        {"MNU_MulMax", {2, 3, 4, 5, 7, 10, 12}},
        {"MNU_DivMax", {2, 3, 4, 5, 7, 10, 12}},
        {"MNU_AddMax", {0, 1, 2, 3, 4}},
        {"MNU_Kbd", {1, 2, 3}},
        {"MNU_SpellSubject", {1, 2, 3, 4, 5}},
        {"MNU_PsRq", {1, 2, 3, 4}},
        {"MNU_SpkChr", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"MNU_Subject", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"MNU_PaperSize", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(m.indices(QLatin1String(c.name)), c.indices) << c.name;
    EXPECT_EQ(m.indices(QStringLiteral("MNU_PList1")).size(), 100);
}

TEST(MenuBar, CaptionsAreExact)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        const char *name;
        int index;
        const char *caption;
    } cases[] = {
        {"MNU_Play", -1, "&Play"},
        {"MNU_Again", -1, "Play &Again"},
        {"MNU_Game", 4, "S&liding Puzzle"},
        {"MNU_Game", 6, "&Arithmethic"},
        {"MNU_Arith", -1, "&Arithmetic"},
        {"MNU_Game", 12, "Coloring Book"},
        {"MNU_Exit", -1, "E&xit"},
        {"MNU_Size", 7, "1&0 x 10"},
        {"MNU_Size", 12, "&15 x 15"},
        {"MNU_Letters", 20, "Up to &20 Letters"},
        {"MNU_MulMax", 12, "Up to 12 &times table"},
        {"MNU_DivMax", 7, "Up to &7 times table"},
        {"MNU_AddMax", 4, "Numbers up to 1&00"},
        {"MNU_SubMax", 0, "Numbers up to &5"},
        {"MNU_PaperSize", 2, "&Tabliod"},
        {"MNU_EdColor", -1, "&Color Pallete"},
        {"MNU_SpkChr", 1, "&Non Installed"},
        {"MNU_PsRq", 4, "Required to use &Printer"},
        {"MNU_PsCreate", -1, "&Create Password"},
        {"MNU_About", -1, "&About..."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(m.caption(QLatin1String(c.name), c.index), QString::fromUtf8(c.caption))
            << c.name;

    // The bar itself, in order.
    QStringList top;
    for (QAction *a : m.bar()->actions())
        top << a->text();
    EXPECT_EQ(top,
              QStringList({"&Play", "&Subject", "&Pick", "&Tools", "&File", "&Settings", "&Help",
                           "Play &Again"}));
}

TEST(MenuBar, InitialStates)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    EXPECT_FALSE(m.enabled(QStringLiteral("MNU_Again")));
    const struct
    {
        const char *group;
        int checked;
    } radios[] = {{"MNU_Shape", 0},  {"MNU_Cmap", 2},   {"MNU_PaperSize", 8}, {"MNU_PapLand", 0},
                  {"MNU_Color", 0},  {"MNU_Size", 0},   {"MNU_Kbd", 1},       {"MNU_Letters", 3},
                  {"MNU_AddMax", 1}, {"MNU_SubMax", 1}, {"MNU_MulMax", 2},    {"MNU_DivMax", 2},
                  {"MNU_Limit", 0}};
    for (const auto &r : radios)
        EXPECT_EQ(m.checkedIndex(QLatin1String(r.group)), r.checked) << r.group;
    EXPECT_TRUE(m.checked(QStringLiteral("MNU_AddOn")));
    EXPECT_TRUE(m.checked(QStringLiteral("MNU_SpkOn")));
    EXPECT_FALSE(m.checked(QStringLiteral("MNU_SubOn")));
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(m.enabled(QStringLiteral("MNU_SpkChr"), i));
    EXPECT_FALSE(m.visible(QStringLiteral("MNU_PList1"), 0));
}

TEST(MenuBar, TheIndexNotThePositionReachesTheHandler)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        const char *menu;
        const char *name;
        const char *caption;
        int index;
    } cases[] = {{"MNU_SpWd", "MNU_Letters", "Up to &10 Letters", 10},
                 {"MNU_PzSize", "MNU_Size", "&15 x 15", 12},
                 {"MNU_Multiply", "MNU_MulMax", "Up to 12 &times table", 12},
                 {"MNU_Divide", "MNU_DivMax", "Up to &7 times table", 7},
                 {"MNU_Ini", "MNU_Kbd", "Use &Keyboard", 3}};
    for (const auto &c : cases) {
        const QString name = QLatin1String(c.name);
        int received = -99;
        m.setHandler(name, [&received](int i) { received = i; });
        QAction *clicked = nullptr;
        for (QAction *a : m.menu(QLatin1String(c.menu))->actions()) {
            if (a->text() == QLatin1String(c.caption))
                clicked = a;
        }
        ASSERT_NE(clicked, nullptr) << c.caption;
        clicked->trigger();
        EXPECT_EQ(received, c.index) << c.caption;
    }
}

TEST(MenuBar, HandlersDecideTheCheckMarks)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    t.w().settings().LoadData();
    m.item(QStringLiteral("MNU_Size"), 12)->trigger();
    EXPECT_EQ(m.checkedIndex(QStringLiteral("MNU_Size")), 12);
    EXPECT_FALSE(m.checked(QStringLiteral("MNU_Size"), 0));
    EXPECT_EQ(t.w().shell.GridMax, 14);

    // Clicking the checked item again keeps it checked (Qt alone would clear it).
    m.item(QStringLiteral("MNU_Size"), 12)->trigger();
    EXPECT_TRUE(m.checked(QStringLiteral("MNU_Size"), 12));

    // A refused click leaves the marks alone.
    t.w().password().StoredPassword = QStringLiteral("tiger");
    m.setChecked(QStringLiteral("MNU_PsRq"), 2, true);
    t.scriptPasswords();
    t.passAnswers.push_back({QStringLiteral("nope")});
    m.item(QStringLiteral("MNU_Limit"), 4)->trigger();
    EXPECT_EQ(m.checkedIndex(QStringLiteral("MNU_Limit")), 0);
    EXPECT_EQ(t.dialogsAnswered, 1);

    // Items without a room yet move their own mark and nothing else.
    m.item(QStringLiteral("MNU_Cmap"), 4)->trigger();
    EXPECT_EQ(m.checkedIndex(QStringLiteral("MNU_Cmap")), 4);
    m.item(QStringLiteral("MNU_Print"))->trigger();
    m.item(QStringLiteral("MNU_About"))->trigger();
}

} // namespace
} // namespace tw::test
