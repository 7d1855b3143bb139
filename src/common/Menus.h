// The menu bar as the rooms see it: items reached by typed id and array index.
#pragma once

#include "common/MenuId.h"

#include <QList>
#include <QString>

class QAction;
class QMenu;

namespace tw {

class Menus
{
public:
    virtual ~Menus() = default;

    // The item `id` with array index `index` (-1 for a single item); null when
    // there is no such item. For a submenu this is the action that opens it.
    virtual QAction *item(MenuId id, int index = -1) const = 0;
    virtual QMenu *menu(MenuId id) const = 0;
    // The indices of an item array, in menu order.
    virtual QList<int> indices(MenuId id) const = 0;

    virtual bool checked(MenuId id, int index = -1) const = 0;
    virtual void setChecked(MenuId id, int index, bool on) = 0;
    // Checks item `index` of a radio group and unchecks its siblings.
    virtual void checkOnly(MenuId id, int index) = 0;
    // The checked index of a radio group (the highest when several are), or -1.
    virtual int checkedIndex(MenuId id) const = 0;

    virtual bool enabled(MenuId id, int index = -1) const = 0;
    virtual void setEnabled(MenuId id, int index, bool on) = 0;
    virtual bool visible(MenuId id, int index = -1) const = 0;
    virtual void setVisible(MenuId id, int index, bool on) = 0;
    virtual QString caption(MenuId id, int index = -1) const = 0;
    virtual void setCaption(MenuId id, int index, const QString &caption) = 0;
};

} // namespace tw
