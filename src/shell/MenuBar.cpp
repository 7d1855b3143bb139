#include "shell/MenuBar.h"

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
