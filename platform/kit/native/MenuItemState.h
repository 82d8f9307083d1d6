#ifndef PCIZ_KIT_NATIVE_MENU_ITEM_STATE_H
#define PCIZ_KIT_NATIVE_MENU_ITEM_STATE_H

#include <MenuItem.h>

#include <QAction>

#include <memory>
#include <string>

namespace kit {

struct MenuItemState {
    static MenuItemState& Of(const BMenuItem* item) { return *item->fMenuItemState; }

    std::unique_ptr<QAction> action;
    std::string label;
    bool marked = false;
    BMenu* menu = nullptr;
};

} // namespace kit

#endif
