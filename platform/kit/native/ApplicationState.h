#ifndef PCIZ_KIT_NATIVE_APPLICATION_STATE_H
#define PCIZ_KIT_NATIVE_APPLICATION_STATE_H

#include <QEventLoop>

#include <string>

namespace kit {

struct ApplicationState {
    std::string signature;
    bool ownsQtApplication = false;
    bool quit = false;
    QEventLoop* loop = nullptr;
};

} // namespace kit

#endif
