#include "shell/MenuBar.h"

#include "shell/Educate.h"

namespace tw {

MenuBar::MenuBar(Educate &window) : m_window(window) { }
MenuBar::~MenuBar() = default;

QAction *MenuBar::item(const QString &, int) const
{
    return nullptr;
}
QMenu *MenuBar::menu(const QString &) const
{
    return nullptr;
}
bool MenuBar::checked(const QString &, int) const
{
    return false;
}
void MenuBar::setChecked(const QString &, int, bool) { }
void MenuBar::checkOnly(const QString &, int) { }
int MenuBar::checkedIndex(const QString &) const
{
    return -1;
}

} // namespace tw
