#ifndef PCIZ_KIT_MESSAGE_RUNNER_H
#define PCIZ_KIT_MESSAGE_RUNNER_H

#include <Messenger.h>
#include <SupportDefs.h>

#include <memory>

class BMessage;

namespace kit {
class MessageRunnerTimer;
}

// Sends a copy of a message to a target after each interval, count times. Made, and
// destroyed, on the GUI thread; destroying it sends nothing more.
class BMessageRunner {
public:
    BMessageRunner(BMessenger target, const BMessage* message, bigtime_t interval,
                   int32 count = -1);
    BMessageRunner(const BMessageRunner&) = delete;
    BMessageRunner& operator=(const BMessageRunner&) = delete;
    ~BMessageRunner();

private:
    std::unique_ptr<kit::MessageRunnerTimer> fTimer;
};

#endif
