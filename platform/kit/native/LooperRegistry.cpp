#include "LooperRegistry.h"

#include "LooperState.h"

namespace kit {

LooperRegistry& LooperRegistry::Instance()
{
    static LooperRegistry registry;
    return registry;
}

int32 LooperRegistry::Add(LooperState* state)
{
    std::lock_guard lock(fLock);
    int32 token = fNextToken++;
    fLoopers[token] = state;
    return token;
}

void LooperRegistry::Remove(int32 token)
{
    std::lock_guard lock(fLock);
    fLoopers.erase(token);
}

BLooper* LooperRegistry::LooperOf(int32 token) const
{
    std::lock_guard lock(fLock);
    auto found = fLoopers.find(token);
    return found != fLoopers.end() ? found->second->looper : nullptr;
}

status_t LooperRegistry::Post(int32 token, const BMessage& message) const
{
    std::lock_guard lock(fLock);
    auto found = fLoopers.find(token);
    if (found == fLoopers.end())
        return B_BAD_PORT_ID;
    found->second->Post(message);
    return B_OK;
}

} // namespace kit
