#include "LooperRegistry.h"

#include "LooperPort.h"
#include "MessageEvent.h"

#include <QCoreApplication>

namespace kit {

LooperRegistry& LooperRegistry::Instance()
{
    static LooperRegistry registry;
    return registry;
}

int32 LooperRegistry::Add(LooperPort* port)
{
    std::lock_guard lock(fLock);
    int32 token = fNextToken++;
    fPorts[token] = port;
    return token;
}

void LooperRegistry::Remove(int32 token)
{
    std::lock_guard lock(fLock);
    fPorts.erase(token);
}

BLooper* LooperRegistry::LooperOf(int32 token) const
{
    std::lock_guard lock(fLock);
    auto found = fPorts.find(token);
    return found != fPorts.end() ? found->second->Looper() : nullptr;
}

status_t LooperRegistry::Post(int32 token, const BMessage& message) const
{
    std::lock_guard lock(fLock);
    auto found = fPorts.find(token);
    if (found == fPorts.end())
        return B_BAD_PORT_ID;
    QCoreApplication::postEvent(found->second, new MessageEvent(message));
    return B_OK;
}

} // namespace kit
