#include "LooperThread.h"

#include <Looper.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

namespace kit {

namespace {

// What every looper thread shares. It is never destroyed: a thread may take its last steps
// after the program has stopped waiting for it, while the program's statics go.
struct Shared {
    // Locks are taken in one order only: the threads' list before any looper's queue.
    std::mutex lock;
    std::condition_variable changed;
    std::set<LooperThread*> running;
    // Threads that have left the list and are deleting their looper.
    int ending = 0;
    std::atomic<int> busy{0};
};

Shared& Threads()
{
    static Shared* const shared = new Shared;
    return *shared;
}

constexpr auto kRecheck = std::chrono::milliseconds(50);

} // namespace

void LooperThread::Post(const BMessage& message)
{
    {
        std::lock_guard lock(fLock);
        if (fQuit)
            return;
        fQueue.push_back(message);
        // Counted before the thread can take it, so the count never runs behind.
        if (fRunning)
            ++Threads().busy;
    }
    fWake.notify_one();
    LooperThreads::Changed();
}

void LooperThread::Start(BLooper* looper)
{
    {
        std::lock_guard lock(fLock);
        if (fRunning || fQuit)
            return;
        fRunning = true;
        Threads().busy += int(fQueue.size());
    }
    LooperThreads::Started(this);
    // Detached: the thread deletes its looper, and this with it, as its last act.
    std::thread([this, looper] { Loop(looper); }).detach();
}

void LooperThread::Quit()
{
    MarkQuit();
    fWake.notify_one();
    LooperThreads::Changed();
}

void LooperThread::MarkQuit()
{
    std::lock_guard lock(fLock);
    if (fQuit)
        return;
    fQuit = true;
    // Until the thread has ended there is work to wait for.
    if (fRunning)
        ++Threads().busy;
}

bool LooperThread::Take(BMessage* message)
{
    std::unique_lock lock(fLock);
    fWake.wait(lock, [this] { return fQuit || !fQueue.empty(); });
    if (fQuit)
        return false;
    *message = std::move(fQueue.front());
    fQueue.pop_front();
    return true;
}

void LooperThread::Loop(BLooper* looper)
{
    BMessage message;
    while (Take(&message)) {
        looper->DispatchMessage(&message);
        --Threads().busy;
        LooperThreads::Changed();
    }
    int dropped;
    {
        std::lock_guard lock(fLock);
        dropped = int(fQueue.size());
    }
    LooperThreads::Ended(this, [looper] { delete looper; });
    // The quit, and the messages it dropped, are done with.
    Threads().busy -= 1 + dropped;
    LooperThreads::Changed();
}

void LooperThreads::QuitAll()
{
    std::unique_lock lock(Threads().lock);
    // Quit under the lock, so that no thread can delete its looper meanwhile.
    for (LooperThread* thread : Threads().running) {
        thread->MarkQuit();
        thread->fWake.notify_one();
    }
    while (!Threads().running.empty() || Threads().ending > 0)
        Threads().changed.wait_for(lock, kRecheck);
}

int LooperThreads::Busy() { return Threads().busy; }

void LooperThreads::WaitForChange(int seen)
{
    std::unique_lock lock(Threads().lock);
    Threads().changed.wait_for(lock, kRecheck, [seen] { return Threads().busy != seen; });
}

void LooperThreads::Started(LooperThread* thread)
{
    std::lock_guard lock(Threads().lock);
    Threads().running.insert(thread);
}

void LooperThreads::Ended(LooperThread* thread, const std::function<void()>& deleteLooper)
{
    {
        std::lock_guard lock(Threads().lock);
        Threads().running.erase(thread);
        ++Threads().ending;
    }
    deleteLooper();
    {
        std::lock_guard lock(Threads().lock);
        --Threads().ending;
    }
    Threads().changed.notify_all();
}

// Taking the lock between the change and the notice, so that no waiter misses it.
void LooperThreads::Changed()
{
    {
        std::lock_guard lock(Threads().lock);
    }
    Threads().changed.notify_all();
}

} // namespace kit
