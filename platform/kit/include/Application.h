#ifndef PCIZ_KIT_APPLICATION_H
#define PCIZ_KIT_APPLICATION_H

#include <Looper.h>

#include <memory>

class BWindow;

namespace kit {
struct ApplicationState;
}

// The process's application object. Run serves every window's messages until the
// application quits. B_QUIT_REQUESTED asks every window to quit; if one refuses, the
// application goes on running.
class BApplication : public BLooper {
public:
    explicit BApplication(const char* signature);
    ~BApplication() override;

    // Serves every window on the calling thread, the GUI thread, and returns once the
    // application has quit (at once if it already has).
    void Run() override;
    void Quit() override;
    bool QuitRequested() override;

    int32 CountWindows() const;
    BWindow* WindowAt(int32 index) const;

private:
    std::unique_ptr<kit::ApplicationState> fApplicationState;
};

extern BApplication* be_app;

#endif
