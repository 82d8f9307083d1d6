#ifndef PCIZ_KIT_NATIVE_APPLICATION_STATE_H
#define PCIZ_KIT_NATIVE_APPLICATION_STATE_H

#include <QEventLoop>

namespace kit {

struct ApplicationState {
    bool ownsQtApplication = false;
    bool quit = false;
    QEventLoop* loop = nullptr;
};

} // namespace kit

#endif
