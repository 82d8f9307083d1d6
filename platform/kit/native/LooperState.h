#ifndef PCIZ_KIT_NATIVE_LOOPER_STATE_H
#define PCIZ_KIT_NATIVE_LOOPER_STATE_H

#include "LooperPort.h"
#include "LooperThread.h"

#include <Looper.h>

#include <atomic>
#include <memory>

namespace kit {

struct LooperState {
    explicit LooperState(BLooper* looper);
    ~LooperState();

    static LooperState& Of(const BLooper* looper) { return *looper->fLooperState; }

    // Windows and the application are served by the GUI thread, as Qt's widgets live there.
    void ServeOnGuiThread();
    // A copy of message, for whichever thread serves the looper.
    void Post(const BMessage& message);

    BLooper* const looper;
    const int32 token;
    std::atomic<bool> quitting = false;
    // The GUI thread's way in, for a window or the application.
    std::unique_ptr<LooperPort> port;
    // A plain looper's queue and thread.
    LooperThread thread;
};

} // namespace kit

#endif
