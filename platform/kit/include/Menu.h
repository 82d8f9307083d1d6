#ifndef PCIZ_KIT_MENU_H
#define PCIZ_KIT_MENU_H

#include <InterfaceDefs.h>

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

    const char* Name() const;
    menu_layout Layout() const;

    bool AddItem(BMenuItem* item);
    int32 CountItems() const;
    BMenuItem* ItemAt(int32 index) const;
    int32 IndexOf(const BMenuItem* item) const;
    BMenuItem* FindMarked() const;

    // In radio mode, choosing an item marks it and unmarks the others.
    void SetRadioMode(bool on);
    bool IsRadioMode() const;
    // With this on, the menu field showing the menu shows the marked item's label.
    void SetLabelFromMarked(bool on);
    bool IsLabelFromMarked() const;

private:
    friend struct kit::MenuState;
    std::unique_ptr<kit::MenuState> fMenuState;
};

#endif
