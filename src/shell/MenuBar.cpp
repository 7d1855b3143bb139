#include "shell/MenuBar.h"

#include "common/SettingsValues.h"
#include "shell/Educate.h"
#include "shell/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

namespace tw {

MenuBar::MenuBar(Educate &window)
    : m_window(window)
    , m_bar(window.menuBar())
{
    build();
    installRoutes();
}

MenuBar::~MenuBar() = default;

void MenuBar::build()
{
    for (const MenuEntry &e : menuTable()) {
        const MenuId name = e.name;
        const QString caption = QString::fromUtf8(e.caption);
        const bool onBar = e.parent == MenuId::None;
        QMenu *parent = onBar ? nullptr : m_menus.value(e.parent);
        Q_ASSERT(onBar || parent);

        if (e.flags & MenuSubmenu) {
            QMenu *sub = parent ? parent->addMenu(caption) : m_bar->addMenu(caption);
            sub->setObjectName(QLatin1String(menuIdName(name)));
            m_menus.insert(name, sub);
            QAction *opener = sub->menuAction();
            m_items[name].insert(e.index, opener);
            opener->setEnabled(!(e.flags & MenuDisabled));
            opener->setVisible(!(e.flags & MenuHidden));
            // A submenu's own Click runs as it opens.
            QObject::connect(sub, &QMenu::aboutToShow, sub, [this, name] {
                if (m_handlers.contains(name))
                    click(name, -1);
            });
            continue;
        }
        addItem(parent, name, e.index, caption, e.flags);
    }
}

QAction *MenuBar::addItem(QMenu *parent, MenuId name, int index, const QString &caption,
                          unsigned flags)
{
    QAction *a = parent ? parent->addAction(caption) : m_bar->addAction(caption);
    const QString objectName = QLatin1String(menuIdName(name));
    a->setObjectName(index < 0 ? objectName
                               : objectName + QLatin1Char('_') + QString::number(index));
    a->setCheckable(flags & MenuCheckable);
    a->setChecked((flags & MenuChecked) == MenuChecked);
    a->setEnabled(!(flags & MenuDisabled));
    a->setVisible(!(flags & MenuHidden));
    m_items[name].insert(index, a);
    // The handlers decide the check marks: undo the toggle Qt makes on its own.
    QObject::connect(a, &QAction::triggered, a, [this, a, name, index](bool) {
        if (a->isCheckable()) {
            const QSignalBlocker block(a);
            a->setChecked(!a->isChecked());
        }
        click(name, index);
    });
    return a;
}

QAction *MenuBar::item(MenuId name, int index) const
{
    const auto it = m_items.constFind(name);
    return it == m_items.cend() ? nullptr : it->value(index, nullptr);
}

QMenu *MenuBar::menu(MenuId name) const { return m_menus.value(name, nullptr); }

QList<int> MenuBar::indices(MenuId name) const
{
    const auto it = m_items.constFind(name);
    return it == m_items.cend() ? QList<int> {} : it->keys();
}

bool MenuBar::checked(MenuId name, int index) const
{
    const QAction *a = item(name, index);
    return a && a->isChecked();
}

void MenuBar::setChecked(MenuId name, int index, bool on)
{
    if (QAction *a = item(name, index)) {
        if (on)
            a->setCheckable(true);
        a->setChecked(on);
    }
}

void MenuBar::checkOnly(MenuId name, int index)
{
    if (!item(name, index))
        return;
    for (QAction *a : m_items.value(name))
        a->setChecked(false);
    setChecked(name, index, true);
}

int MenuBar::checkedIndex(MenuId name) const
{
    int found = -1;
    const auto group = m_items.value(name);
    for (auto it = group.cbegin(); it != group.cend(); ++it) {
        if (it.value()->isChecked())
            found = it.key();
    }
    return found;
}

bool MenuBar::enabled(MenuId name, int index) const
{
    const QAction *a = item(name, index);
    return a && a->isEnabled();
}

void MenuBar::setEnabled(MenuId name, int index, bool on)
{
    if (QAction *a = item(name, index))
        a->setEnabled(on);
}

bool MenuBar::visible(MenuId name, int index) const
{
    const QAction *a = item(name, index);
    return a && a->isVisible();
}

void MenuBar::setVisible(MenuId name, int index, bool on)
{
    if (QAction *a = item(name, index))
        a->setVisible(on);
}

QString MenuBar::caption(MenuId name, int index) const
{
    const QAction *a = item(name, index);
    return a ? a->text() : QString();
}

void MenuBar::setCaption(MenuId name, int index, const QString &caption)
{
    if (QAction *a = item(name, index))
        a->setText(caption);
}

void MenuBar::showOptions(const SettingsValues &v, int characters)
{
    const std::pair<MenuId, int> groups[]
        = {{MenuId::MNU_AddMax, v.AddMax},   {MenuId::MNU_DivMax, v.DivMax},
           {MenuId::MNU_Letters, v.Letters}, {MenuId::MNU_Limit, v.Limit},
           {MenuId::MNU_MulMax, v.MulMax},   {MenuId::MNU_Size, v.Size},
           {MenuId::MNU_SubMax, v.SubMax},   {MenuId::MNU_Kbd, v.Kbd}};
    for (const auto &[name, index] : groups)
        checkOnly(name, index);
    for (int i = 1; i <= characters; ++i)
        setChecked(MenuId::MNU_SpkChr, i, i == v.Speaker);
    const std::pair<MenuId, int> switches[] = {{MenuId::MNU_AddOn, v.AddOn},
                                               {MenuId::MNU_DivOn, v.DivOn},
                                               {MenuId::MNU_MulOn, v.MulOn},
                                               {MenuId::MNU_SpkOn, v.SpkOn},
                                               {MenuId::MNU_SubOn, v.SubOn}};
    for (const auto &[name, on] : switches)
        setChecked(name, -1, on == 1);
    for (int i = 0; i < int(v.PairSubject.size()); ++i) {
        setChecked(MenuId::MNU_PairSubject, i + 1, v.PairSubject[i] == 1);
        setChecked(MenuId::MNU_SpellSubject, i + 1, v.SpellSubject[i] == 1);
    }
    for (int i = 0; i < int(v.Required.size()); ++i)
        setChecked(MenuId::MNU_PsRq, i + 1, v.Required[i] == 1);
    // The two printer colour items are stored as two flags and shown as they are.
    setChecked(MenuId::MNU_Color, 0, v.ColourBlackWhite == 1);
    setChecked(MenuId::MNU_Color, 1, v.Colour == 1);
}

void MenuBar::setHandler(MenuId name, Handler handler)
{
    m_handlers.insert(name, std::move(handler));
}

void MenuBar::click(MenuId name, int index)
{
    const auto it = m_handlers.constFind(name);
    if (it == m_handlers.cend() || !*it)
        return;
    // A copy: the handler may replace routes while it runs.
    const Handler h = *it;
    h(index);
}

} // namespace tw
