#ifndef PCIZ_KIT_NATIVE_MENU_STATE_H
#define PCIZ_KIT_NATIVE_MENU_STATE_H

#include <Menu.h>
#include <Messenger.h>

#include <QMenu>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class BView;

namespace kit {

struct MenuState {
    static MenuState& Of(const BMenu* menu) { return *menu->fMenuState; }

    std::unique_ptr<QMenu> qmenu = std::make_unique<QMenu>();
    std::vector<BMenuItem*> items;
    std::string name;
    // Choosing an item marks it and unmarks the others.
    bool radioMode = false;
    // The menu field showing the menu shows the marked item's label.
    bool labelFromMarked = false;
    // The view that shows the menu: choices go to its window, unless they have a target.
    BView* owner = nullptr;
    std::optional<BMessenger> target;
    // Tells the owner that the marked item changed.
    std::function<void()> markChanged;
};

} // namespace kit

#endif
