// The menu tree as data: one row per item, in the order the items appear.
#pragma once

#include "common/MenuId.h"

#include <span>

namespace tw {

// Initial state and kind of a menu row.
enum MenuFlag : unsigned {
    MenuPlain = 0,
    MenuSubmenu = 1u << 0, // opens a submenu; its children name it as parent
    MenuCheckable = 1u << 1, // an option: shows a check mark when checked
    MenuChecked = 1u << 2 | MenuCheckable,
    MenuDisabled = 1u << 3,
    MenuHidden = 1u << 4, // filled and shown at run time
};

struct MenuEntry
{
    MenuId parent; // the submenu holding the item; MenuId::None for the bar itself
    MenuId name; // e.g. MenuId::MNU_Size; items of an array share the id
    int index; // array index (the value the handler receives), -1 for a single item
    const char *caption;
    unsigned flags;
};

// All rows of the menu bar, parents before children.
std::span<const MenuEntry> menuTable();

} // namespace tw
