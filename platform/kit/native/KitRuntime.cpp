#include "KitRuntime.h"

#include "ApplicationStart.h"
#include "NativeFont.h"

#include <Looper.h>

#include <QApplication>
#include <QStyleFactory>

#include <algorithm>
#include <cerrno>

namespace kit {

namespace {

std::vector<BLooper*> sDoomed;

} // namespace

bool EnsureApplication()
{
    static bool styled = false;
    bool created = false;
    if (QCoreApplication::instance() == nullptr) {
        // The kit hands Qt the program's name only, never the command line.
        static int argc = 1;
        static char* argv[] = {program_invocation_short_name, nullptr};
        StartApplication(argc, argv);
        created = true;
        styled = false;
    }
    if (!styled) {
        // Closing windows is the kit's business: the application ends only when asked to.
        QApplication::setQuitOnLastWindowClosed(false);
        // One style everywhere, so the small fixed frames look the same on every desktop.
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        InitSystemFonts();
        styled = true;
    }
    return created;
}

std::vector<BWindow*>& LiveWindows()
{
    static std::vector<BWindow*> windows;
    return windows;
}

void DestroyLater(BLooper* looper)
{
    if (std::find(sDoomed.begin(), sDoomed.end(), looper) != sDoomed.end())
        return;
    sDoomed.push_back(looper);
    // Queued behind the handler that quit the looper, which may still be using it.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &DestroyQuitLoopers,
                              Qt::QueuedConnection);
}

void DestroyQuitLoopers()
{
    std::vector<BLooper*> doomed;
    doomed.swap(sDoomed);
    for (BLooper* looper : doomed)
        delete looper;
}

} // namespace kit
