#ifndef PCIZ_KIT_NATIVE_MESSAGE_EVENT_H
#define PCIZ_KIT_NATIVE_MESSAGE_EVENT_H

#include <Message.h>

#include <QEvent>

namespace kit {

// Carries the copy of a posted message through Qt's event queue. Each one in existence counts
// as pending until Qt has delivered or discarded it.
class MessageEvent : public QEvent {
public:
    explicit MessageEvent(const BMessage& posted);
    ~MessageEvent() override;

    static QEvent::Type Type();
    static int PendingCount();

    BMessage message;
};

} // namespace kit

#endif
