#ifndef PCIZ_KIT_LOOPER_H
#define PCIZ_KIT_LOOPER_H

#include <SupportDefs.h>

#include <memory>

class BMessage;

namespace kit {
struct LooperState;
}

// A message queue with its handler: messages are handled one at a time, in the order posted.
//
// Which thread runs what:
// - Windows and the application are served by the GUI thread, which serves every window (Qt's
//   widgets live there): their hooks, views and controls are touched on that thread only.
// - A plain looper takes its messages on a thread of its own, which Run() starts; messages
//   posted before are kept for it. Work that may wait, such as on hardware, belongs there, so
//   that no window waits with it. It talks to windows only by posting.
// - Once a plain looper quits, its thread ends after the message in hand, drops the messages
//   still queued and deletes the looper: a running looper belongs to its thread. The
//   application ends every such thread, and waits for each, before it ends itself.
//
// What is safe from any thread: PostMessage and BMessenger (both deliver a copy and fail with
// B_BAD_PORT_ID once the looper has quit), IsQuitting, and Quit on a plain looper, which never
// waits for the message in hand (a handler that loops may watch IsQuitting to stop early).
class BLooper {
public:
    BLooper();
    BLooper(const BLooper&) = delete;
    BLooper& operator=(const BLooper&) = delete;
    virtual ~BLooper();

    // A plain looper starts its thread; the application runs the GUI thread's loop instead.
    virtual void Run();

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
