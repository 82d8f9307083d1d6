#include "KitRuntime.h"

#include "ApplicationStart.h"
#include "NativeFont.h"

#include <Looper.h>

#include <QApplication>
#include <QEvent>
#include <QStyleFactory>

#include <algorithm>
#include <cerrno>

namespace kit {

namespace {

std::vector<BLooper*> sDoomed;

// Receives the one event that destroys the loopers that quit meanwhile.
class Reaper : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        DestroyQuitLoopers();
        return true;
    }
};

Reaper* TheReaper()
{
    static Reaper reaper;
    return &reaper;
}

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
    QCoreApplication::postEvent(TheReaper(), new QEvent(QEvent::User));
}

void DestroyQuitLoopers()
{
    std::vector<BLooper*> doomed;
    doomed.swap(sDoomed);
    for (BLooper* looper : doomed)
        delete looper;
}

} // namespace kit
