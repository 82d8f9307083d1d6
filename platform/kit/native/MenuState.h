#ifndef PCIZ_KIT_NATIVE_MENU_STATE_H
#define PCIZ_KIT_NATIVE_MENU_STATE_H

#include <Menu.h>
#include <MenuItem.h>
#include <Message.h>
#include <View.h>

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kit {

struct MenuState {
    static MenuState& Of(const BMenu* menu) { return *menu->fState; }

    std::unique_ptr<QMenu> qmenu = std::make_unique<QMenu>();
    std::vector<BMenuItem*> items;
    std::string name;
    menu_layout layout = B_ITEMS_IN_COLUMN;
    bool radioMode = false;
    bool labelFromMarked = false;
    // The view that shows the menu: choices go to its window.
    BView* owner = nullptr;
    // Tells the owner that the marked item changed.
    std::function<void()> markChanged;
};

struct MenuItemState {
    static MenuItemState& Of(const BMenuItem* item) { return *item->fState; }

    std::unique_ptr<QAction> action;
    std::string label;
    char shortcut = 0;
    uint32 modifiers = 0;
    bool marked = false;
    BMenu* menu = nullptr;
};

} // namespace kit

#endif
