#include "Control.h"

#include <Message.h>
#include <Window.h>

BControl::BControl(BRect frame, const char* name, const char* label, BMessage* message,
                   uint32 resizingMode, uint32 flags)
    : BView(frame, name, resizingMode, flags), BInvoker(message),
      fLabel(label != nullptr ? label : "")
{
}

BControl::~BControl() = default;

const char* BControl::Label() const { return fLabel.c_str(); }

void BControl::SetValue(int32 value) { fValue = value; }

int32 BControl::Value() const { return fValue; }

BMessenger BControl::Target() const { return BMessenger(Window()); }

void BControl::Stamp(BMessage* posted) const { posted->AddInt32("be:value", fValue); }
