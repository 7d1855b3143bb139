#include "common/MenuId.h"

namespace tw {

const char *menuIdName(MenuId id)
{
    static const char *const kNames[] = {
#define TW_MENU_NAME(name) #name,
        TW_MENU_IDS(TW_MENU_NAME)
#undef TW_MENU_NAME
    };
    const int i = static_cast<int>(id);
    return i >= 0 && i < static_cast<int>(MenuId::None) ? kNames[i] : "";
}

} // namespace tw
