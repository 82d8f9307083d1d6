#ifndef PCIZ_KIT_MENU_ITEM_H
#define PCIZ_KIT_MENU_ITEM_H

#include <Invoker.h>

#include <memory>

class BMenu;

namespace kit {
struct MenuItemState;
}

// One entry of a menu. Choosing it posts a copy of its message, with the fields "when"
// (Int64) and "index" (Int32, the item's place in its menu), to the menu's target: the one set
// for its items, or the window of the menu field that shows the menu.
class BMenuItem : public BInvoker {
public:
    // Takes ownership of message.
    BMenuItem(const char* label, BMessage* message, char shortcut = 0, uint32 modifiers = 0);
    ~BMenuItem() override;

    const char* Label() const;
    BMenu* Menu() const;

    // Words shown after the label in the open menu, set apart from it by a wide space; a menu
    // field showing the item shows its label alone.
    void SetDetail(const char* detail);

    // In a radio-mode menu, marking an item unmarks the others.
    void SetMarked(bool marked);
    bool IsMarked() const;

private:
    BMessenger Target() const override;
    void Stamp(BMessage* posted) const override;
    // A person chose the item.
    void Choose();

    friend struct kit::MenuItemState;
    std::unique_ptr<kit::MenuItemState> fMenuItemState;
};

#endif
