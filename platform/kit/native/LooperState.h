#ifndef PCIZ_KIT_NATIVE_LOOPER_STATE_H
#define PCIZ_KIT_NATIVE_LOOPER_STATE_H

#include "LooperPort.h"

#include <Looper.h>

namespace kit {

struct LooperState {
    explicit LooperState(BLooper* looper);
    ~LooperState();

    static LooperState& Of(const BLooper* looper) { return *looper->fLooperState; }

    LooperPort port;
    int32 token;
    bool quitting = false;
};

} // namespace kit

#endif
