#include "LooperPort.h"

#include "MessageEvent.h"

#include <Looper.h>

namespace kit {

LooperPort::LooperPort(BLooper* looper) : fLooper(looper) {}

bool LooperPort::event(QEvent* event)
{
    if (event->type() != MessageEvent::Type())
        return QObject::event(event);
    // A message that was queued before the looper quit is dropped, not handled.
    if (!fLooper->IsQuitting())
        fLooper->DispatchMessage(&static_cast<MessageEvent*>(event)->message);
    return true;
}

} // namespace kit
