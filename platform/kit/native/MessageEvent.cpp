#include "MessageEvent.h"

#include <atomic>

namespace kit {

namespace {
std::atomic<int> sPending{0};
}

MessageEvent::MessageEvent(const BMessage& posted) : QEvent(Type()), message(posted) { ++sPending; }

MessageEvent::~MessageEvent() { --sPending; }

QEvent::Type MessageEvent::Type()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

int MessageEvent::PendingCount() { return sPending; }

} // namespace kit
