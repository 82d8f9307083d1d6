#include "Looper.h"

#include "native/LooperRegistry.h"
#include "native/LooperState.h"

#include <AppDefs.h>
#include <Message.h>

namespace kit {

LooperState::LooperState(BLooper* looper)
    : port(looper), token(LooperRegistry::Instance().Add(&port))
{
}

LooperState::~LooperState() { LooperRegistry::Instance().Remove(token); }

} // namespace kit

BLooper::BLooper() : fLooperState(std::make_unique<kit::LooperState>(this)) {}

BLooper::~BLooper() = default;

status_t BLooper::PostMessage(uint32 command)
{
    BMessage message(command);
    return PostMessage(&message);
}

status_t BLooper::PostMessage(BMessage* message)
{
    if (message == nullptr)
        return B_BAD_VALUE;
    return kit::LooperRegistry::Instance().Post(fLooperState->token, *message);
}

void BLooper::DispatchMessage(BMessage* message)
{
    if (message->what == B_QUIT_REQUESTED) {
        if (QuitRequested())
            Quit();
        return;
    }
    MessageReceived(message);
}

void BLooper::MessageReceived(BMessage*) {}

bool BLooper::QuitRequested() { return true; }

void BLooper::Quit()
{
    fLooperState->quitting = true;
    kit::LooperRegistry::Instance().Remove(fLooperState->token);
}

bool BLooper::IsQuitting() const { return fLooperState->quitting; }
