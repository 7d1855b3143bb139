// The menu bar: its tree, captions, indices and initial states, and where clicks go.
#include "shell/MenuBar.h"
#include "common/MenuId.h"
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

TEST(MenuBar, EveryItemIsFoundByIdAndIndexOnceAndEveryIdIsInTheTable)
{
    QSet<QString> seen;
    QSet<int> ids;
    for (const MenuEntry &e : menuTable()) {
        const QString key
            = QLatin1String(menuIdName(e.name)) + QLatin1Char('/') + QString::number(e.index);
        EXPECT_FALSE(seen.contains(key)) << qPrintable(key);
        seen.insert(key);
        ids.insert(static_cast<int>(e.name));
    }
    EXPECT_EQ(ids.size(), static_cast<int>(MenuId::None));
    TestWindow t;
    for (const MenuEntry &e : menuTable())
        EXPECT_NE(t.w().menus().item(e.name, e.index), nullptr) << menuIdName(e.name) << e.index;
}

TEST(MenuBar, ArraysKeepTheirIndicesWithTheirGaps)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        MenuId name;
        QList<int> indices;
    } cases[] = {
        {MenuId::MNU_Game, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {MenuId::MNU_Size, {0, 1, 2, 3, 4, 5, 6, 7, 12, 17}},
        {MenuId::MNU_Letters, {3, 4, 5, 6, 7, 8, 10, 20}},
        {MenuId::MNU_MulMax, {2, 3, 4, 5, 7, 10, 12}},
        {MenuId::MNU_DivMax, {2, 3, 4, 5, 7, 10, 12}},
        {MenuId::MNU_AddMax, {0, 1, 2, 3, 4}},
        {MenuId::MNU_Kbd, {1, 2, 3}},
        {MenuId::MNU_SpellSubject, {1, 2, 3, 4, 5}},
        {MenuId::MNU_PsRq, {1, 2, 3, 4}},
        {MenuId::MNU_SpkChr, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {MenuId::MNU_Subject, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {MenuId::MNU_PaperSize, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(m.indices(c.name), c.indices) << menuIdName(c.name);
    EXPECT_EQ(m.indices(MenuId::MNU_PList1).size(), 100);
}

TEST(MenuBar, CaptionsAreExact)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        MenuId name;
        int index;
        const char *caption;
    } cases[] = {
        {MenuId::MNU_Play, -1, "&Play"},
        {MenuId::MNU_Again, -1, "Play &Again"},
        {MenuId::MNU_Game, 4, "S&liding Puzzle"},
        {MenuId::MNU_Game, 6, "&Arithmethic"},
        {MenuId::MNU_Arith, -1, "&Arithmetic"},
        {MenuId::MNU_Game, 12, "Coloring Book"},
        {MenuId::MNU_Exit, -1, "E&xit"},
        {MenuId::MNU_Size, 7, "1&0 x 10"},
        {MenuId::MNU_Size, 12, "&15 x 15"},
        {MenuId::MNU_Letters, 20, "Up to &20 Letters"},
        {MenuId::MNU_MulMax, 12, "Up to 12 &times table"},
        {MenuId::MNU_DivMax, 7, "Up to &7 times table"},
        {MenuId::MNU_AddMax, 4, "Numbers up to 1&00"},
        {MenuId::MNU_SubMax, 0, "Numbers up to &5"},
        {MenuId::MNU_PaperSize, 2, "&Tabliod"},
        {MenuId::MNU_EdColor, -1, "&Color Pallete"},
        {MenuId::MNU_SpkChr, 1, "&Non Installed"},
        {MenuId::MNU_PsRq, 4, "Required to use &Printer"},
        {MenuId::MNU_PsCreate, -1, "&Create Password"},
        {MenuId::MNU_About, -1, "&About..."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(m.caption(c.name, c.index), QString::fromUtf8(c.caption)) << menuIdName(c.name);

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
    EXPECT_FALSE(m.enabled(MenuId::MNU_Again));
    const struct
    {
        MenuId group;
        int checked;
    } radios[] = {{MenuId::MNU_Shape, 0},   {MenuId::MNU_Cmap, 2},    {MenuId::MNU_PaperSize, 8},
                  {MenuId::MNU_PapLand, 0}, {MenuId::MNU_Color, 0},   {MenuId::MNU_Size, 0},
                  {MenuId::MNU_Kbd, 1},     {MenuId::MNU_Letters, 3}, {MenuId::MNU_AddMax, 1},
                  {MenuId::MNU_SubMax, 1},  {MenuId::MNU_MulMax, 2},  {MenuId::MNU_DivMax, 2},
                  {MenuId::MNU_Limit, 0}};
    for (const auto &r : radios)
        EXPECT_EQ(m.checkedIndex(r.group), r.checked) << menuIdName(r.group);
    EXPECT_TRUE(m.checked(MenuId::MNU_AddOn));
    EXPECT_TRUE(m.checked(MenuId::MNU_SpkOn));
    EXPECT_FALSE(m.checked(MenuId::MNU_SubOn));
    for (int i = 1; i <= 10; ++i)
        EXPECT_FALSE(m.enabled(MenuId::MNU_SpkChr, i));
    EXPECT_FALSE(m.visible(MenuId::MNU_PList1, 0));
}

TEST(MenuBar, TheIndexNotThePositionReachesTheHandler)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        MenuId menu;
        MenuId name;
        const char *caption;
        int index;
    } cases[] = {{MenuId::MNU_SpWd, MenuId::MNU_Letters, "Up to &10 Letters", 10},
                 {MenuId::MNU_PzSize, MenuId::MNU_Size, "&15 x 15", 12},
                 {MenuId::MNU_Multiply, MenuId::MNU_MulMax, "Up to 12 &times table", 12},
                 {MenuId::MNU_Divide, MenuId::MNU_DivMax, "Up to &7 times table", 7},
                 {MenuId::MNU_Ini, MenuId::MNU_Kbd, "Use &Keyboard", 3}};
    for (const auto &c : cases) {
        const MenuId name = c.name;
        int received = -99;
        m.setHandler(name, [&received](int i) { received = i; });
        QAction *clicked = nullptr;
        for (QAction *a : m.menu(c.menu)->actions()) {
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
    m.item(MenuId::MNU_Size, 12)->trigger();
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Size), 12);
    EXPECT_FALSE(m.checked(MenuId::MNU_Size, 0));
    EXPECT_EQ(t.w().shell.GridMax, 14);

    // Clicking the checked item again keeps it checked (Qt alone would clear it).
    m.item(MenuId::MNU_Size, 12)->trigger();
    EXPECT_TRUE(m.checked(MenuId::MNU_Size, 12));

    // A refused click leaves the marks alone.
    t.w().password().StoredPassword = QStringLiteral("tiger");
    m.setChecked(MenuId::MNU_PsRq, 2, true);
    t.scriptPasswords();
    t.passAnswers.push_back({QStringLiteral("nope")});
    m.item(MenuId::MNU_Limit, 4)->trigger();
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Limit), 0);
    EXPECT_EQ(t.dialogsAnswered, 1);

    // Items without a room yet move their own mark and nothing else.
    m.item(MenuId::MNU_Cmap, 4)->trigger();
    EXPECT_EQ(m.checkedIndex(MenuId::MNU_Cmap), 4);
    m.item(MenuId::MNU_Print)->trigger();
    m.item(MenuId::MNU_About)->trigger();
}

} // namespace
} // namespace tw::test
