#ifndef PCIZ_KIT_NATIVE_MESSAGE_RUNNER_TIMER_H
#define PCIZ_KIT_NATIVE_MESSAGE_RUNNER_TIMER_H

#include <Message.h>
#include <Messenger.h>

#include <QTimer>

namespace kit {

// The Qt timer behind a BMessageRunner: each time it fires, a copy goes to the target.
class MessageRunnerTimer : public QTimer {
public:
    MessageRunnerTimer(BMessenger target, const BMessage& message, int milliseconds, int32 count);

private:
    void Fire();

    BMessenger fTarget;
    BMessage fMessage;
    int32 fLeft;
};

} // namespace kit

#endif
