#ifndef PCIZ_KIT_SEPARATOR_ITEM_H
#define PCIZ_KIT_SEPARATOR_ITEM_H

#include <MenuItem.h>

// A line between groups of items; nobody can choose it.
class BSeparatorItem : public BMenuItem {
public:
    BSeparatorItem();
};

#endif
