#include "Application.h"

#include "native/KitRuntime.h"

#include <Window.h>

#include <QApplication>
#include <QEventLoop>

#include <string>

BApplication* be_app = nullptr;

struct BApplication::State {
    std::string signature;
    bool ownsQtApplication = false;
    bool quit = false;
    QEventLoop* loop = nullptr;
};

BApplication::BApplication(const char* signature) : fState(std::make_unique<State>())
{
    fState->signature = signature != nullptr ? signature : "";
    fState->ownsQtApplication = kit::EnsureApplication();
    be_app = this;
}

BApplication::~BApplication()
{
    kit::DestroyQuitLoopers();
    // Windows still open when the application ends go with it.
    while (!kit::LiveWindows().empty())
        delete kit::LiveWindows().back();
    if (be_app == this)
        be_app = nullptr;
    if (fState->ownsQtApplication)
        delete QCoreApplication::instance();
}

void BApplication::Run()
{
    if (fState->quit)
        return;
    QEventLoop loop;
    fState->loop = &loop;
    loop.exec();
    fState->loop = nullptr;
}

void BApplication::Quit()
{
    BLooper::Quit();
    fState->quit = true;
    if (fState->loop != nullptr)
        fState->loop->exit();
}

bool BApplication::QuitRequested()
{
    // Every window is asked; those that agree quit even when another refuses. A copy: each
    // window leaves the list as it quits.
    std::vector<BWindow*> windows = kit::LiveWindows();
    bool allAgreed = true;
    for (BWindow* window : windows) {
        if (window->QuitRequested())
            window->Quit();
        else
            allAgreed = false;
    }
    return allAgreed;
}

const char* BApplication::Signature() const { return fState->signature.c_str(); }

int32 BApplication::CountWindows() const { return static_cast<int32>(kit::LiveWindows().size()); }

BWindow* BApplication::WindowAt(int32 index) const
{
    if (index < 0 || index >= CountWindows())
        return nullptr;
    return kit::LiveWindows()[index];
}
