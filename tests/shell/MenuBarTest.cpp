// The menu bar: where clicks go and who decides the check marks.
#include "shell/MenuBar.h"
#include "common/MenuId.h"
#include "shell/Settings.h"
#include "support/TestWindow.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace tw::test {
namespace {

TEST(MenuBar, TheIndexNotThePositionReachesTheHandler)
{
    TestWindow t;
    MenuBar &m = t.w().menus();
    const struct
    {
        MenuId menu, name;
        const char *caption;
        int index;
    } cases[] = {{MenuId::MNU_SpWd, MenuId::MNU_Letters, "Up to &10 Letters", 10},
                 {MenuId::MNU_PzSize, MenuId::MNU_Size, "&15 x 15", 12},
                 {MenuId::MNU_Multiply, MenuId::MNU_MulMax, "Up to 12 &times table", 12},
                 {MenuId::MNU_Divide, MenuId::MNU_DivMax, "Up to &7 times table", 7},
                 {MenuId::MNU_Ini, MenuId::MNU_Kbd, "Use &Keyboard", 3}};
    for (const auto &c : cases) {
        int received = -99;
        m.setHandler(c.name, [&received](int i) { received = i; });
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
    m.click(MenuId::MNU_PsRq, 2);
    t.w().password().StoredPassword = QStringLiteral("tiger");
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
