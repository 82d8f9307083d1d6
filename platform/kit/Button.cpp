#include "Button.h"

#include "native/ViewState.h"

#include <QPushButton>

BButton::BButton(BRect frame, const char* name, const char* label, BMessage* message,
                 uint32 resizingMode, uint32 flags)
    : BControl(frame, name, label, message, resizingMode, flags)
{
    auto* button = new QPushButton(QString::fromUtf8(Label()));
    button->setFocusPolicy((flags & B_NAVIGABLE) ? Qt::StrongFocus : Qt::NoFocus);
    kit::ViewState::Of(this).SetWidget(button);
    // clicked, not pressed or toggled: only a person's click invokes.
    QObject::connect(button, &QPushButton::clicked, button, [this] { Invoke(); });
}
