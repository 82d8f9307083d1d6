#ifndef PCIZ_BENCH_WORKER_THREAD_H
#define PCIZ_BENCH_WORKER_THREAD_H

#include "Stopwatch.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// A thread of its own that runs a piece of work when asked and times it there, as the editor's
// bus thread runs its reads: a reference measured on a thread that waits between runs as that
// one does, not on the thread that asks, whose processor a virtual machine may serve faster
// or slower.
class WorkerThread {
public:
    WorkerThread() : fThread([this] { Serve(); }) {}
    ~WorkerThread()
    {
        {
            std::lock_guard lock(fLock);
            fDone = true;
        }
        fChanged.notify_all();
        fThread.join();
    }

    // Runs work there, adding its time to watch; returns once it has run.
    void Time(Stopwatch& watch, std::function<void()> work)
    {
        std::unique_lock lock(fLock);
        fWork = std::move(work);
        fWatch = &watch;
        fChanged.notify_all();
        fChanged.wait(lock, [this] { return !fWork; });
    }

private:
    void Serve()
    {
        std::unique_lock lock(fLock);
        for (;;) {
            fChanged.wait(lock, [this] { return fDone || fWork; });
            if (fDone)
                return;
            lock.unlock();
            fWatch->Time(fWork);
            lock.lock();
            fWork = nullptr;
            fChanged.notify_all();
        }
    }

    std::mutex fLock;
    std::condition_variable fChanged;
    std::function<void()> fWork;
    Stopwatch* fWatch = nullptr;
    bool fDone = false;
    std::thread fThread;
};

#endif
