#include "Messenger.h"

#include "native/LooperRegistry.h"
#include "native/LooperState.h"

#include <Message.h>
#include <Window.h>

BMessenger::BMessenger(const BLooper* looper)
{
    if (looper != nullptr && !looper->IsQuitting())
        fToken = kit::LooperState::Of(looper).token;
}

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

status_t BMessenger::ActivateTarget() const
{
    auto* window = dynamic_cast<BWindow*>(kit::LooperRegistry::Instance().LooperOf(fToken));
    if (window == nullptr)
        return B_BAD_PORT_ID;
    window->Activate(true);
    return B_OK;
}
