#include "Messenger.h"

#include "native/LooperRegistry.h"
#include "native/LooperState.h"

#include <Message.h>

BMessenger::BMessenger(const BLooper* looper)
{
    if (looper != nullptr && !looper->IsQuitting())
        fToken = kit::LooperState::Of(looper).token;
}

bool BMessenger::IsValid() const { return kit::LooperRegistry::Instance().Contains(fToken); }

status_t BMessenger::SendMessage(uint32 command) const
{
    BMessage message(command);
    return SendMessage(&message);
}

status_t BMessenger::SendMessage(const BMessage* message) const
{
    if (message == nullptr)
        return B_BAD_VALUE;
    return kit::LooperRegistry::Instance().Post(fToken, *message);
}
