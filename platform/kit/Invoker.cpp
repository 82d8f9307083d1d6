#include "Invoker.h"

#include <Message.h>
#include <Messenger.h>

#include <chrono>

BInvoker::BInvoker(BMessage* message) : fMessage(message) {}

BInvoker::~BInvoker() = default;

BMessage* BInvoker::Message() const { return fMessage.get(); }

uint32 BInvoker::Command() const { return fMessage != nullptr ? fMessage->what : 0; }

status_t BInvoker::Invoke(const BMessage* message)
{
    const BMessage* source = message != nullptr ? message : fMessage.get();
    if (source == nullptr)
        return B_BAD_VALUE;
    BMessage posted(*source);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    posted.AddInt64("when", std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    Stamp(&posted);
    return Target().SendMessage(&posted);
}
