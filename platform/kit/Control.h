#ifndef PCIZ_KIT_CONTROL_H
#define PCIZ_KIT_CONTROL_H

#include <Messenger.h>
#include <View.h>

#include <memory>
#include <string>

class BMessage;

// A view that a person invokes. Invoking posts a copy of the control's message to its target
// (its window unless set otherwise). Setting the value from code posts nothing.
class BControl : public BView {
public:
    // Takes ownership of message.
    BControl(BRect frame, const char* name, const char* label, BMessage* message,
             uint32 resizingMode, uint32 flags);
    ~BControl() override;

    const char* Label() const;
    virtual void SetLabel(const char* label);

    BMessage* Message() const;
    void SetMessage(BMessage* message);
    uint32 Command() const;

    virtual void SetValue(int32 value);
    int32 Value() const;

    status_t SetTarget(const BLooper* looper);
    virtual status_t Invoke(BMessage* message = nullptr);

private:
    std::string fLabel;
    std::unique_ptr<BMessage> fMessage;
    BMessenger fTarget;
    int32 fValue = 0;
};

#endif
