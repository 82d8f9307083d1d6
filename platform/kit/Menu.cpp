#include "Menu.h"

#include "native/KitRuntime.h"
#include "native/MenuState.h"

#include <MenuItem.h>

#include <algorithm>

BMenu::BMenu(const char* name, menu_layout layout)
{
    kit::EnsureApplication();
    fState = std::make_unique<kit::MenuState>();
    fState->name = name != nullptr ? name : "";
    fState->layout = layout;
}

BMenu::~BMenu()
{
    for (BMenuItem* item : fState->items)
        delete item;
}

const char* BMenu::Name() const { return fState->name.c_str(); }

menu_layout BMenu::Layout() const { return fState->layout; }

bool BMenu::AddItem(BMenuItem* item)
{
    if (item == nullptr || item->Menu() != nullptr)
        return false;
    kit::MenuItemState::Of(item).menu = this;
    fState->items.push_back(item);
    fState->qmenu->addAction(kit::MenuItemState::Of(item).action.get());
    return true;
}

int32 BMenu::CountItems() const { return static_cast<int32>(fState->items.size()); }

BMenuItem* BMenu::ItemAt(int32 index) const
{
    if (index < 0 || index >= CountItems())
        return nullptr;
    return fState->items[index];
}

int32 BMenu::IndexOf(const BMenuItem* item) const
{
    auto found = std::find(fState->items.begin(), fState->items.end(), item);
    return found == fState->items.end() ? -1 : static_cast<int32>(found - fState->items.begin());
}

BMenuItem* BMenu::FindMarked() const
{
    for (BMenuItem* item : fState->items)
        if (item->IsMarked())
            return item;
    return nullptr;
}

void BMenu::SetRadioMode(bool on) { fState->radioMode = on; }

bool BMenu::IsRadioMode() const { return fState->radioMode; }

void BMenu::SetLabelFromMarked(bool on)
{
    fState->labelFromMarked = on;
    if (fState->markChanged)
        fState->markChanged();
}

bool BMenu::IsLabelFromMarked() const { return fState->labelFromMarked; }
