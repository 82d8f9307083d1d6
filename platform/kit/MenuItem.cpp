#include "MenuItem.h"

#include "native/MenuItemState.h"
#include "native/MenuState.h"

#include <Menu.h>
#include <Message.h>
#include <View.h>
#include <Window.h>

BMenuItem::BMenuItem(const char* label, BMessage* message, char, uint32)
    : BInvoker(message), fMenuItemState(std::make_unique<kit::MenuItemState>())
{
    fMenuItemState->label = label != nullptr ? label : "";
    fMenuItemState->action =
        std::make_unique<QAction>(QString::fromStdString(fMenuItemState->label));
    // triggered comes from a person choosing the item; marking from code never posts.
    QObject::connect(fMenuItemState->action.get(), &QAction::triggered,
                     fMenuItemState->action.get(), [this] { Choose(); });
}

BMenuItem::~BMenuItem() = default;

const char* BMenuItem::Label() const { return fMenuItemState->label.c_str(); }

BMenu* BMenuItem::Menu() const { return fMenuItemState->menu; }

void BMenuItem::SetDetail(const char* detail)
{
    QString text = QString::fromStdString(fMenuItemState->label);
    if (detail != nullptr && *detail != '\0')
        text += QStringLiteral("\u2003") + QString::fromUtf8(detail);
    fMenuItemState->action->setText(text);
}

void BMenuItem::SetMarked(bool marked)
{
    fMenuItemState->marked = marked;
    // Only the marked item is checkable: an unmarked checkable item would show an empty box.
    fMenuItemState->action->setCheckable(marked);
    fMenuItemState->action->setChecked(marked);
    if (fMenuItemState->menu == nullptr)
        return;
    kit::MenuState& menu = kit::MenuState::Of(fMenuItemState->menu);
    if (marked && menu.radioMode) {
        for (BMenuItem* other : menu.items)
            if (other != this && other->IsMarked())
                other->SetMarked(false);
    }
    if (menu.markChanged)
        menu.markChanged();
}

bool BMenuItem::IsMarked() const { return fMenuItemState->marked; }

BMessenger BMenuItem::Target() const
{
    if (fMenuItemState->menu == nullptr)
        return BMessenger();
    const kit::MenuState& menu = kit::MenuState::Of(fMenuItemState->menu);
    if (menu.target)
        return *menu.target;
    return BMessenger(menu.owner != nullptr ? menu.owner->Window() : nullptr);
}

void BMenuItem::Stamp(BMessage* posted) const
{
    posted->AddInt32("index", fMenuItemState->menu->IndexOf(this));
}

void BMenuItem::Choose()
{
    if (fMenuItemState->menu == nullptr || Message() == nullptr)
        return;
    if (kit::MenuState::Of(fMenuItemState->menu).radioMode)
        SetMarked(true);
    Invoke();
}
