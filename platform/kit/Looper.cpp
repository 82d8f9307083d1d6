#include "Looper.h"

#include "native/LooperRegistry.h"
#include "native/LooperState.h"
#include "native/MessageEvent.h"

#include <AppDefs.h>
#include <Message.h>

#include <QCoreApplication>

namespace kit {

LooperState::LooperState(BLooper* owner)
    : looper(owner), token(LooperRegistry::Instance().Add(this))
{
}

LooperState::~LooperState() { LooperRegistry::Instance().Remove(token); }

void LooperState::ServeOnGuiThread() { port = std::make_unique<LooperPort>(looper); }

void LooperState::Post(const BMessage& message)
{
    if (port != nullptr)
        QCoreApplication::postEvent(port.get(), new MessageEvent(message));
    else
        thread.Post(message);
}

} // namespace kit

BLooper::BLooper() : fLooperState(std::make_unique<kit::LooperState>(this)) {}

BLooper::~BLooper() = default;

void BLooper::Run()
{
    if (fLooperState->port == nullptr && !IsQuitting())
        fLooperState->thread.Start(this);
}

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
    if (fLooperState->port == nullptr)
        fLooperState->thread.Quit();
}

bool BLooper::IsQuitting() const { return fLooperState->quitting; }
