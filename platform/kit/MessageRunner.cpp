#include "MessageRunner.h"

#include "native/MessageRunnerTimer.h"

#include <Message.h>

namespace kit {

MessageRunnerTimer::MessageRunnerTimer(BMessenger target, const BMessage& message, int milliseconds,
                                       int32 count)
    : fTarget(target), fMessage(message), fLeft(count)
{
    connect(this, &QTimer::timeout, this, &MessageRunnerTimer::Fire);
    if (fLeft != 0)
        start(milliseconds);
}

void MessageRunnerTimer::Fire()
{
    // A negative count sends for ever.
    if (fLeft > 0 && --fLeft == 0)
        stop();
    fTarget.SendMessage(&fMessage);
}

} // namespace kit

BMessageRunner::BMessageRunner(BMessenger target, const BMessage* message, bigtime_t interval,
                               int32 count)
    : fTimer(std::make_unique<kit::MessageRunnerTimer>(
        target, message != nullptr ? *message : BMessage(), int((interval + 999) / 1000),
        message != nullptr ? count : 0))
{
}

BMessageRunner::~BMessageRunner() = default;
