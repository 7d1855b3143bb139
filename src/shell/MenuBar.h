// The menu bar: the whole tree built from one table, items found by typed id and index.
#pragma once

#include "common/Menus.h"

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
struct SettingsValues;

inline size_t qHash(MenuId id, size_t seed = 0) { return ::qHash(static_cast<int>(id), seed); }

class MenuBar : public Menus
{
public:
    // A Click handler; receives the item's array index (-1 for a single item).
    using Handler = std::function<void(int index)>;

    explicit MenuBar(Educate &window);
    ~MenuBar() override;

    // The item `name` (e.g. MenuId::MNU_Size) with array index `index` (-1 for a
    // single item); null when there is no such item. For a submenu this is the
    // action that opens it.
    QAction *item(MenuId name, int index = -1) const override;
    QMenu *menu(MenuId name) const override;
    // The indices of an item array, in menu order.
    QList<int> indices(MenuId name) const override;

    bool checked(MenuId name, int index = -1) const override;
    void setChecked(MenuId name, int index, bool on) override;
    // Checks item `index` of a radio group and unchecks its siblings.
    void checkOnly(MenuId name, int index) override;
    // The checked index of a radio group (the highest when several are), or -1.
    int checkedIndex(MenuId name) const override;

    bool enabled(MenuId name, int index = -1) const override;
    void setEnabled(MenuId name, int index, bool on) override;
    bool visible(MenuId name, int index = -1) const override;
    void setVisible(MenuId name, int index, bool on) override;
    QString caption(MenuId name, int index = -1) const override;
    void setCaption(MenuId name, int index, const QString &caption) override;

    // Shows the stored options as the check marks of their menus; the menus
    // keep no option of their own. `characters`: how many characters are listed.
    void showOptions(const SettingsValues &values, int characters);

    // Routes the clicks of `name` (every index of an array) to `handler`,
    // replacing the route installed at start. A submenu's handler runs each
    // time the submenu opens.
    void setHandler(MenuId name, Handler handler);
    // Runs the item's Click handler as a click on it would. Does nothing when
    // the item has no handler.
    void click(MenuId name, int index = -1);

    QMenuBar *bar() const { return m_bar; }

private:
    void build();
    void installRoutes();
    QAction *addItem(QMenu *parent, MenuId name, int index, const QString &caption, unsigned flags);

    Educate &m_window;
    QMenuBar *m_bar = nullptr;
    QHash<MenuId, QMap<int, QAction *>> m_items;
    QHash<MenuId, QMenu *> m_menus;
    QHash<MenuId, Handler> m_handlers;
};

} // namespace tw
