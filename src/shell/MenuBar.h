// The menu bar: the whole tree built from one table, items found by name and index.
#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace tw {

class Educate;

class MenuBar
{
public:
    // A Click handler; receives the item's array index (-1 for a single item).
    using Handler = std::function<void(int index)>;

    explicit MenuBar(Educate &window);
    ~MenuBar();

    // The item `name` (e.g. "MNU_Size") with array index `index` (-1 for a
    // single item); null when there is no such item. For a submenu this is the
    // action that opens it.
    QAction *item(const QString &name, int index = -1) const;
    QMenu *menu(const QString &name) const;
    // The indices of an item array, in menu order.
    QList<int> indices(const QString &name) const;

    bool checked(const QString &name, int index = -1) const;
    void setChecked(const QString &name, int index, bool on);
    // Checks item `index` of a radio group and unchecks its siblings.
    void checkOnly(const QString &name, int index);
    // The checked index of a radio group (the highest when several are), or -1.
    int checkedIndex(const QString &name) const;

    bool enabled(const QString &name, int index = -1) const;
    void setEnabled(const QString &name, int index, bool on);
    bool visible(const QString &name, int index = -1) const;
    void setVisible(const QString &name, int index, bool on);
    QString caption(const QString &name, int index = -1) const;
    void setCaption(const QString &name, int index, const QString &caption);

    // Routes the clicks of `name` (every index of an array) to `handler`,
    // replacing the route installed at start. A submenu's handler runs each
    // time the submenu opens.
    void setHandler(const QString &name, Handler handler);
    // Runs the item's Click handler as a click on it would. Does nothing when
    // the item has no handler.
    void click(const QString &name, int index = -1);

    QMenuBar *bar() const { return m_bar; }

private:
    void build();
    void installRoutes();
    QAction *addItem(QMenu *parent, const QString &name, int index, const QString &caption,
                     unsigned flags);

    Educate &m_window;
    QMenuBar *m_bar = nullptr;
    QHash<QString, QMap<int, QAction *>> m_items;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, Handler> m_handlers;
};

} // namespace tw
