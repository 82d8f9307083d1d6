#ifndef PCIZ_KIT_POP_UP_MENU_H
#define PCIZ_KIT_POP_UP_MENU_H

#include <Menu.h>
#include <Point.h>

// The menu of a menu field. Its name is what the field shows while no item is marked.
class BPopUpMenu : public BMenu {
public:
    explicit BPopUpMenu(const char* name, bool radioMode = true, bool labelFromMarked = true,
                        menu_layout layout = B_ITEMS_IN_COLUMN);

    // Opens the menu with its top left corner at where, in screen coordinates, and returns at
    // once: the item a person chooses posts its message to its target.
    void Go(BPoint where);
};

#endif
