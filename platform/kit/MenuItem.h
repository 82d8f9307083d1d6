#ifndef PCIZ_KIT_MENU_ITEM_H
#define PCIZ_KIT_MENU_ITEM_H

#include <SupportDefs.h>

#include <memory>

class BMenu;
class BMessage;

namespace kit {
struct MenuItemState;
}

// One entry of a menu. Choosing it posts a copy of its message, with the fields "when"
// (Int64) and "index" (Int32, the item's place in its menu), to the window of the menu field
// that shows the menu.
class BMenuItem {
public:
    // Takes ownership of message.
    BMenuItem(const char* label, BMessage* message, char shortcut = 0, uint32 modifiers = 0);
    BMenuItem(const BMenuItem&) = delete;
    BMenuItem& operator=(const BMenuItem&) = delete;
    virtual ~BMenuItem();

    const char* Label() const;
    BMessage* Message() const;
    uint32 Command() const;
    char Shortcut(uint32* modifiers = nullptr) const;
    BMenu* Menu() const;

    // In a radio-mode menu, marking an item unmarks the others.
    void SetMarked(bool marked);
    bool IsMarked() const;

private:
    friend struct kit::MenuItemState;
    std::unique_ptr<kit::MenuItemState> fState;
};

#endif
