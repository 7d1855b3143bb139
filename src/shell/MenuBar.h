// The menu bar: the whole tree built from one table, items found by name and index.
#pragma once

#include <QString>

class QAction;
class QMenu;

namespace tw {

class Educate;

class MenuBar
{
public:
    explicit MenuBar(Educate &window);
    ~MenuBar();

    // The item `name` (e.g. "MNU_Size") with array index `index` (-1 for a
    // single item); null when there is no such item.
    QAction *item(const QString &name, int index = -1) const;
    QMenu *menu(const QString &name) const;
    bool checked(const QString &name, int index = -1) const;
    void setChecked(const QString &name, int index, bool on);
    // Checks item `index` of a radio group and unchecks its siblings.
    void checkOnly(const QString &name, int index);
    // The checked index of a radio group, or -1.
    int checkedIndex(const QString &name) const;

private:
    Educate &m_window;
};

} // namespace tw
