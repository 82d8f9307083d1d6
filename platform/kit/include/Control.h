#ifndef PCIZ_KIT_CONTROL_H
#define PCIZ_KIT_CONTROL_H

#include <Invoker.h>
#include <View.h>

#include <string>

// A view that a person invokes. Invoking posts a copy of the control's message, with its value
// as "be:value" (Int32), to its window. Setting the value from code posts nothing.
class BControl : public BView, public BInvoker {
public:
    // Takes ownership of message.
    BControl(BRect frame, const char* name, const char* label, BMessage* message,
             uint32 resizingMode, uint32 flags);
    ~BControl() override;

    const char* Label() const;

    virtual void SetValue(int32 value);
    int32 Value() const;

private:
    BMessenger Target() const override;
    void Stamp(BMessage* posted) const override;

    std::string fLabel;
    int32 fValue = 0;
};

#endif
