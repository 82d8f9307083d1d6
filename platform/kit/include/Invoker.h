#ifndef PCIZ_KIT_INVOKER_H
#define PCIZ_KIT_INVOKER_H

#include <Messenger.h>
#include <SupportDefs.h>

#include <memory>

class BMessage;

// A message and a target. Invoking posts a copy of the message, stamped with "when" (Int64)
// and the invoker's own fields, to the target through a messenger: a target that has quit
// is never touched.
class BInvoker {
public:
    // Takes ownership of message.
    explicit BInvoker(BMessage* message);
    BInvoker(const BInvoker&) = delete;
    BInvoker& operator=(const BInvoker&) = delete;
    virtual ~BInvoker();

    BMessage* Message() const;
    uint32 Command() const;

    // Posts a copy of message, or of the invoker's own message when it is null.
    status_t Invoke(const BMessage* message = nullptr);

private:
    virtual BMessenger Target() const = 0;
    virtual void Stamp(BMessage* posted) const = 0;

    std::unique_ptr<BMessage> fMessage;
};

#endif
