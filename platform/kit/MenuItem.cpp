#include "MenuItem.h"

#include "native/MenuState.h"

#include <Menu.h>
#include <Message.h>
#include <Window.h>

BMenuItem::BMenuItem(const char* label, BMessage* message, char shortcut, uint32 modifiers)
    : BInvoker(message), fState(std::make_unique<kit::MenuItemState>())
{
    fState->label = label != nullptr ? label : "";
    fState->shortcut = shortcut;
    fState->modifiers = modifiers;
    fState->action = std::make_unique<QAction>(QString::fromStdString(fState->label));
    // triggered comes from a person choosing the item; marking from code never posts.
    QObject::connect(fState->action.get(), &QAction::triggered, fState->action.get(),
                     [this] { Choose(); });
}

BMenuItem::~BMenuItem() = default;

const char* BMenuItem::Label() const { return fState->label.c_str(); }

char BMenuItem::Shortcut(uint32* modifiers) const
{
    if (modifiers != nullptr)
        *modifiers = fState->modifiers;
    return fState->shortcut;
}

BMenu* BMenuItem::Menu() const { return fState->menu; }

void BMenuItem::SetMarked(bool marked)
{
    fState->marked = marked;
    // Only the marked item is checkable: an unmarked checkable item would show an empty box.
    fState->action->setCheckable(marked);
    fState->action->setChecked(marked);
    if (fState->menu == nullptr)
        return;
    kit::MenuState& menu = kit::MenuState::Of(fState->menu);
    if (marked && menu.radioMode) {
        for (BMenuItem* other : menu.items)
            if (other != this && other->IsMarked())
                other->SetMarked(false);
    }
    if (menu.markChanged)
        menu.markChanged();
}

bool BMenuItem::IsMarked() const { return fState->marked; }

BLooper* BMenuItem::Target() const
{
    BView* owner = fState->menu != nullptr ? kit::MenuState::Of(fState->menu).owner : nullptr;
    return owner != nullptr ? owner->Window() : nullptr;
}

void BMenuItem::Stamp(BMessage* posted) const { posted->AddInt32("index", fState->menu->IndexOf(this)); }

void BMenuItem::Choose()
{
    if (fState->menu == nullptr || Message() == nullptr)
        return;
    if (fState->menu->IsRadioMode())
        SetMarked(true);
    Invoke();
}
