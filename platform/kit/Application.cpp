#include "Application.h"

#include "native/ApplicationState.h"
#include "native/KitRuntime.h"
#include "native/LooperState.h"

#include <Window.h>

#include <QApplication>

BApplication* be_app = nullptr;

BApplication::BApplication(const char*)
    : fApplicationState(std::make_unique<kit::ApplicationState>())
{
    fApplicationState->ownsQtApplication = kit::EnsureApplication();
    kit::LooperState::Of(this).ServeOnGuiThread();
    be_app = this;
}

BApplication::~BApplication()
{
    kit::DestroyQuitLoopers();
    // Windows still open when the application ends go with it.
    while (!kit::LiveWindows().empty())
        delete kit::LiveWindows().back();
    // Nothing of the program may outlive it: a thread in the middle of a read ends after it.
    kit::LooperThreads::QuitAll();
    if (be_app == this)
        be_app = nullptr;
    if (fApplicationState->ownsQtApplication)
        delete QCoreApplication::instance();
}

void BApplication::Run()
{
    if (fApplicationState->quit)
        return;
    QEventLoop loop;
    fApplicationState->loop = &loop;
    loop.exec();
    fApplicationState->loop = nullptr;
}

void BApplication::Quit()
{
    BLooper::Quit();
    fApplicationState->quit = true;
    if (fApplicationState->loop != nullptr)
        fApplicationState->loop->exit();
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

int32 BApplication::CountWindows() const { return static_cast<int32>(kit::LiveWindows().size()); }

BWindow* BApplication::WindowAt(int32 index) const
{
    if (index < 0 || index >= CountWindows())
        return nullptr;
    return kit::LiveWindows()[index];
}
