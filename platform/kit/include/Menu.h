#ifndef PCIZ_KIT_MENU_H
#define PCIZ_KIT_MENU_H

#include <InterfaceDefs.h>
#include <Messenger.h>

#include <memory>

class BMenuItem;

namespace kit {
struct MenuState;
}

// A list of items. The menu owns the items added to it.
class BMenu {
public:
    explicit BMenu(const char* name, menu_layout layout = B_ITEMS_IN_COLUMN);
    BMenu(const BMenu&) = delete;
    BMenu& operator=(const BMenu&) = delete;
    virtual ~BMenu();

    // Called each time the menu is about to open, before a person sees its items.
    virtual void AttachedToWindow();

    const char* Name() const;

    bool AddItem(BMenuItem* item);
    int32 CountItems() const;
    BMenuItem* ItemAt(int32 index) const;
    int32 IndexOf(const BMenuItem* item) const;
    BMenuItem* FindMarked() const;
    // Where the items' messages go, in place of the window of the field that shows the menu.
    void SetTargetForItems(BMessenger target);

private:
    friend struct kit::MenuState;
    std::unique_ptr<kit::MenuState> fMenuState;
};

#endif
