#include "CheckBox.h"

#include "native/ViewState.h"

#include <QCheckBox>

BCheckBox::BCheckBox(BRect frame, const char* name, const char* label, BMessage* message,
                     uint32 resizingMode, uint32 flags)
    : BControl(frame, name, label, message, resizingMode, flags)
{
    auto* box = new QCheckBox(QString::fromUtf8(Label()));
    box->setFocusPolicy((flags & B_NAVIGABLE) ? Qt::StrongFocus : Qt::NoFocus);
    kit::ViewState::Of(this).SetWidget(box);
    // clicked fires for a person's click or key only, never for SetValue.
    QObject::connect(box, &QCheckBox::clicked, box, [this](bool checked) {
        BControl::SetValue(checked ? B_CONTROL_ON : B_CONTROL_OFF);
        Invoke();
    });
}

void BCheckBox::SetValue(int32 value)
{
    BControl::SetValue(value != B_CONTROL_OFF ? B_CONTROL_ON : B_CONTROL_OFF);
    static_cast<QCheckBox*>(kit::ViewState::Of(this).Widget())->setChecked(value != B_CONTROL_OFF);
}
