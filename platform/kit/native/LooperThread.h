#ifndef PCIZ_KIT_NATIVE_LOOPER_THREAD_H
#define PCIZ_KIT_NATIVE_LOOPER_THREAD_H

#include <Message.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

class BLooper;

namespace kit {

// The message queue of a plain looper, and once it runs, the thread that empties it one
// message at a time, in the order posted. Once the looper quits, the thread ends after the
// message in hand, drops what is still queued and deletes the looper.
class LooperThread {
public:
    // From any thread. Messages posted after the quit are dropped.
    void Post(const BMessage& message);
    void Start(BLooper* looper);
    // From any thread; never waits for the message in hand.
    void Quit();

private:
    friend class LooperThreads;

    // Marks the quit, once: a running thread now has its end ahead of it.
    void MarkQuit();
    void Loop(BLooper* looper);
    bool Take(BMessage* message);

    std::mutex fLock;
    std::condition_variable fWake;
    std::deque<BMessage> fQueue;
    bool fRunning = false;
    bool fQuit = false;
};

// Every plain looper's thread in the process, and how much work they have: what the
// application waits for before it ends, and what tests wait for before they look.
class LooperThreads {
public:
    // Quits every looper thread still running and waits until each has ended.
    static void QuitAll();

    // Messages queued for or in the hands of running threads, and threads told to quit that
    // have not ended yet.
    static int Busy();
    // Waits until Busy() differs from seen, or a short while has passed.
    static void WaitForChange(int seen);

private:
    friend class LooperThread;

    static void Started(LooperThread* thread);
    // Takes the thread off the list, then deletes its looper (and the thread's state with it).
    static void Ended(LooperThread* thread, const std::function<void()>& deleteLooper);
    static void Changed();
};

} // namespace kit

#endif
