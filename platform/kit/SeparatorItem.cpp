#include "SeparatorItem.h"

#include "native/MenuItemState.h"

BSeparatorItem::BSeparatorItem() : BMenuItem("", nullptr)
{
    kit::MenuItemState::Of(this).action->setSeparator(true);
}
