#ifndef PCIZ_KIT_LOOPER_H
#define PCIZ_KIT_LOOPER_H

#include <SupportDefs.h>

#include <memory>

class BMessage;

namespace kit {
struct LooperState;
}

// A message queue with its handler. PostMessage is asynchronous, may be called from any
// thread and delivers a copy; messages are handled one at a time in the order posted.
class BLooper {
public:
    BLooper();
    BLooper(const BLooper&) = delete;
    BLooper& operator=(const BLooper&) = delete;
    virtual ~BLooper();

    // Fails with B_BAD_PORT_ID once the looper has quit.
    status_t PostMessage(uint32 command);
    status_t PostMessage(BMessage* message);

    // B_QUIT_REQUESTED asks QuitRequested and quits when it agrees; every other message goes
    // to MessageReceived.
    virtual void DispatchMessage(BMessage* message);
    virtual void MessageReceived(BMessage* message);
    virtual bool QuitRequested();
    // Stops taking messages; messengers to this looper fail from now on.
    virtual void Quit();

    bool IsQuitting() const;

private:
    friend class BMessenger;
    friend struct kit::LooperState;
    std::unique_ptr<kit::LooperState> fLooperState;
};

#endif
