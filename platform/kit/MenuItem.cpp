#include "MenuItem.h"

#include "native/MenuState.h"

#include <Menu.h>
#include <Window.h>

#include <QDateTime>

namespace {

void PostChoice(BMenuItem* item)
{
    BMenu* menu = item->Menu();
    if (menu == nullptr || item->Message() == nullptr)
        return;
    if (menu->IsRadioMode())
        item->SetMarked(true);
    BView* owner = kit::MenuState::Of(menu).owner;
    if (owner == nullptr || owner->Window() == nullptr)
        return;
    BMessage posted(*item->Message());
    posted.AddInt64("when", QDateTime::currentMSecsSinceEpoch() * 1000);
    posted.AddInt32("index", menu->IndexOf(item));
    owner->Window()->PostMessage(&posted);
}

} // namespace

BMenuItem::BMenuItem(const char* label, BMessage* message, char shortcut, uint32 modifiers)
    : fState(std::make_unique<kit::MenuItemState>())
{
    fState->label = label != nullptr ? label : "";
    fState->message.reset(message);
    fState->shortcut = shortcut;
    fState->modifiers = modifiers;
    fState->action = std::make_unique<QAction>(QString::fromStdString(fState->label));
    // triggered comes from a person choosing the item; marking from code never posts.
    QObject::connect(fState->action.get(), &QAction::triggered, fState->action.get(),
                     [this] { PostChoice(this); });
}

BMenuItem::~BMenuItem() = default;

const char* BMenuItem::Label() const { return fState->label.c_str(); }

BMessage* BMenuItem::Message() const { return fState->message.get(); }

uint32 BMenuItem::Command() const { return fState->message != nullptr ? fState->message->what : 0; }

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
