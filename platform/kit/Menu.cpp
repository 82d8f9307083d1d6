#include "Menu.h"

#include "native/KitRuntime.h"
#include "native/MenuItemState.h"
#include "native/MenuState.h"

#include <MenuItem.h>

#include <algorithm>

BMenu::BMenu(const char* name, menu_layout)
{
    kit::EnsureApplication();
    fMenuState = std::make_unique<kit::MenuState>();
    fMenuState->name = name != nullptr ? name : "";
    QObject::connect(fMenuState->qmenu.get(), &QMenu::aboutToShow, fMenuState->qmenu.get(),
                     [this] { AttachedToWindow(); });
}

void BMenu::AttachedToWindow() {}

BMenu::~BMenu()
{
    for (BMenuItem* item : fMenuState->items)
        delete item;
}

const char* BMenu::Name() const { return fMenuState->name.c_str(); }

bool BMenu::AddItem(BMenuItem* item)
{
    if (item == nullptr || item->Menu() != nullptr)
        return false;
    kit::MenuItemState::Of(item).menu = this;
    fMenuState->items.push_back(item);
    fMenuState->qmenu->addAction(kit::MenuItemState::Of(item).action.get());
    return true;
}

int32 BMenu::CountItems() const { return static_cast<int32>(fMenuState->items.size()); }

BMenuItem* BMenu::ItemAt(int32 index) const
{
    if (index < 0 || index >= CountItems())
        return nullptr;
    return fMenuState->items[index];
}

int32 BMenu::IndexOf(const BMenuItem* item) const
{
    auto found = std::find(fMenuState->items.begin(), fMenuState->items.end(), item);
    return found == fMenuState->items.end() ? -1
                                            : static_cast<int32>(found - fMenuState->items.begin());
}

BMenuItem* BMenu::FindMarked() const
{
    for (BMenuItem* item : fMenuState->items)
        if (item->IsMarked())
            return item;
    return nullptr;
}

void BMenu::SetTargetForItems(BMessenger target) { fMenuState->target = target; }
