#ifndef PCIZ_KIT_NATIVE_LOOPER_PORT_H
#define PCIZ_KIT_NATIVE_LOOPER_PORT_H

#include <QObject>

class BLooper;

namespace kit {

// The Qt object that a looper's messages are posted to; it hands each one to the looper on
// the GUI thread, in the order posted.
class LooperPort : public QObject {
public:
    explicit LooperPort(BLooper* looper);

    bool event(QEvent* event) override;

private:
    BLooper* fLooper;
};

} // namespace kit

#endif
