#include "LooperThread.h"

#include <Looper.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

namespace kit {

namespace {

// Locks are taken in one order only: the threads' list before any looper's queue.
std::mutex sLock;
std::condition_variable sChanged;
std::set<LooperThread*> sRunning;
// Threads that have left the list and are deleting their looper.
int sEnding = 0;
std::atomic<int> sBusy{0};

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
            ++sBusy;
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
        sBusy += int(fQueue.size());
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

bool LooperThread::MarkQuit()
{
    std::lock_guard lock(fLock);
    if (fQuit)
        return false;
    fQuit = true;
    // Until the thread has ended there is work to wait for.
    if (fRunning)
        ++sBusy;
    return fRunning;
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
        --sBusy;
        LooperThreads::Changed();
    }
    int dropped;
    {
        std::lock_guard lock(fLock);
        dropped = int(fQueue.size());
    }
    LooperThreads::Ended(this, [looper] { delete looper; });
    // The quit, and the messages it dropped, are done with.
    sBusy -= 1 + dropped;
    LooperThreads::Changed();
}

void LooperThreads::QuitAll()
{
    std::unique_lock lock(sLock);
    // Quit under the lock, so that no thread can delete its looper meanwhile.
    for (LooperThread* thread : sRunning) {
        thread->MarkQuit();
        thread->fWake.notify_one();
    }
    while (!sRunning.empty() || sEnding > 0)
        sChanged.wait_for(lock, kRecheck);
}

int LooperThreads::Busy() { return sBusy; }

void LooperThreads::WaitForChange(int seen)
{
    std::unique_lock lock(sLock);
    sChanged.wait_for(lock, kRecheck, [seen] { return sBusy != seen; });
}

void LooperThreads::Started(LooperThread* thread)
{
    std::lock_guard lock(sLock);
    sRunning.insert(thread);
}

void LooperThreads::Ended(LooperThread* thread, const std::function<void()>& deleteLooper)
{
    {
        std::lock_guard lock(sLock);
        sRunning.erase(thread);
        ++sEnding;
    }
    deleteLooper();
    {
        std::lock_guard lock(sLock);
        --sEnding;
    }
    sChanged.notify_all();
}

// Taking the lock between the change and the notice, so that no waiter misses it.
void LooperThreads::Changed()
{
    {
        std::lock_guard lock(sLock);
    }
    sChanged.notify_all();
}

} // namespace kit
