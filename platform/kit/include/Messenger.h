#ifndef PCIZ_KIT_MESSENGER_H
#define PCIZ_KIT_MESSENGER_H

#include <SupportDefs.h>

class BLooper;
class BMessage;

// A safe handle to a looper: it outlives the looper, and sending through it after the
// looper has quit fails with B_BAD_PORT_ID instead of touching freed memory.
class BMessenger {
public:
    BMessenger() = default;
    explicit BMessenger(const BLooper* looper);

    status_t SendMessage(uint32 command) const;
    status_t SendMessage(const BMessage* message) const;
    // Activates the target window (BWindow::Activate); fails with B_BAD_PORT_ID once it has
    // quit. Only for the GUI thread, which serves every window.
    status_t ActivateTarget() const;

    bool operator==(const BMessenger&) const = default;

private:
    int32 fToken = -1;
};

#endif
