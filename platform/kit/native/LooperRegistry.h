#ifndef PCIZ_KIT_NATIVE_LOOPER_REGISTRY_H
#define PCIZ_KIT_NATIVE_LOOPER_REGISTRY_H

#include <SupportDefs.h>

#include <map>
#include <mutex>

class BLooper;
class BMessage;

namespace kit {

struct LooperState;

// Maps messenger tokens to the loopers that still take messages. Posting holds the lock, and
// a looper leaves the registry before it is destroyed, so a post from any thread never reaches
// a destroyed looper.
class LooperRegistry {
public:
    static LooperRegistry& Instance();

    int32 Add(LooperState* state);
    void Remove(int32 token);
    // The looper behind token, or null once it has quit.
    BLooper* LooperOf(int32 token) const;
    status_t Post(int32 token, const BMessage& message) const;

private:
    mutable std::mutex fLock;
    std::map<int32, LooperState*> fLoopers;
    int32 fNextToken = 1;
};

} // namespace kit

#endif
