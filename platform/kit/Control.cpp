#include "Control.h"

#include "native/ViewState.h"

#include <Message.h>
#include <Window.h>

#include <QAbstractButton>
#include <QDateTime>

BControl::BControl(BRect frame, const char* name, const char* label, BMessage* message,
                   uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags), fLabel(label != nullptr ? label : ""),
      fMessage(message)
{
}

BControl::~BControl() = default;

const char* BControl::Label() const { return fLabel.c_str(); }

void BControl::SetLabel(const char* label)
{
    fLabel = label != nullptr ? label : "";
    if (auto* button = qobject_cast<QAbstractButton*>(kit::ViewState::Of(this).Widget()))
        button->setText(QString::fromStdString(fLabel));
}

BMessage* BControl::Message() const { return fMessage.get(); }

void BControl::SetMessage(BMessage* message) { fMessage.reset(message); }

uint32 BControl::Command() const { return fMessage != nullptr ? fMessage->what : 0; }

void BControl::SetValue(int32 value) { fValue = value; }

int32 BControl::Value() const { return fValue; }

status_t BControl::SetTarget(const BLooper* looper)
{
    fTarget = BMessenger(looper);
    return fTarget.IsValid() ? B_OK : B_BAD_VALUE;
}

status_t BControl::Invoke(BMessage* message)
{
    const BMessage* source = message != nullptr ? message : fMessage.get();
    if (source == nullptr)
        return B_BAD_VALUE;
    BMessage posted(*source);
    posted.AddInt64("when", QDateTime::currentMSecsSinceEpoch() * 1000);
    posted.AddInt32("be:value", fValue);
    if (fTarget.IsValid())
        return fTarget.SendMessage(&posted);
    if (Window() == nullptr)
        return B_BAD_VALUE;
    return Window()->PostMessage(&posted);
}
