// Built into a program measured for start-up: at the first paint of a top-level window it
// writes the monotonic clock's time in nanoseconds, a blank and the window's title to standard
// output, then ends the process at once. The program itself is not changed: the probe starts
// with the QApplication, through Qt's own start-up hook.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!fSeen && event->type() == QEvent::Paint && widget != nullptr) {
            fSeen = true;
            QWidget* window = widget->window();
            // Queued: it runs once the whole window has been painted and flushed.
            QMetaObject::invokeMethod(
                this, [window] { ReportAndExit(window); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    [[noreturn]] static void ReportAndExit(const QWidget* window)
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        char line[256];
        const int length =
            std::snprintf(line, sizeof(line), "%lld %s\n",
                          static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                          window->windowTitle().toUtf8().constData());
        // Ends without tearing down: what is measured stops here.
        const bool written = length > 0 && write(STDOUT_FILENO, line, size_t(length)) == length;
        std::_Exit(written ? EXIT_SUCCESS : EXIT_FAILURE);
    }

    bool fSeen = false;
};

void InstallProbe() { QCoreApplication::instance()->installEventFilter(new FirstPaintProbe); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
