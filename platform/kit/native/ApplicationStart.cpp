#include "ApplicationStart.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kit {

namespace {

// Qt platforms and input plugins that stay on this machine. Any other is refused: Qt's vnc
// platform listens on every address with no password, and the tuiotouch input plugin takes
// touches from the network.
const QList<QByteArray> kLocalPlatforms = {"xcb",
                                           "wayland",
                                           "wayland-egl",
                                           "wayland-xcomposite-egl",
                                           "wayland-xcomposite-glx",
                                           "offscreen",
                                           "minimal",
                                           "minimalegl",
                                           "eglfs",
                                           "linuxfb",
                                           "vkkhrdisplay"};
const QList<QByteArray> kLocalInputPlugins = {"evdevkeyboard", "evdevmouse", "evdevtablet",
                                              "evdevtouch",    "libinput",   "tslib"};

const char* const kHeadlessAdvice = "To run without a display, use scripts/run.";

[[noreturn]] void Fail(const std::string& reason)
{
    std::fprintf(stderr, "%s: %s %s\n", program_invocation_short_name, reason.c_str(),
                 kHeadlessAdvice);
    std::_Exit(1);
}

// Each entry of the variable is "name[:options]"; Qt would load every one it names.
void RefuseForeignPlugins(const char* variable, char separator, const QList<QByteArray>& local,
                          const char* kind)
{
    for (const QByteArray& entry : qgetenv(variable).split(separator)) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (!name.isEmpty() && !local.contains(name))
            Fail("refusing the Qt " + std::string(kind) + " \"" + name.toStdString() + "\" ("
                 + variable
                 + "): it is not known to stay on this machine, and could serve the"
                   " program over the network.");
    }
}

std::string WhatIsMissing()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return "the Qt platform \"" + platform.toStdString() + "\" cannot start here";
    std::string displays;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (qEnvironmentVariableIsSet(variable))
            displays += (displays.empty() ? "" : ", ") + std::string(variable) + "="
                        + qgetenv(variable).toStdString();
    }
    if (displays.empty())
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    return "cannot open the display (" + displays + "): it is not running, or not this user's";
}

// While the application is made, Qt's messages are held back: when no platform starts, Qt
// ends with a fatal message (and an abort advising a reinstall), and one plain line says
// what is missing instead.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> sHeld;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        Fail(WhatIsMissing() + ".");
    sHeld.push_back({type, context.category != nullptr ? context.category : "", text});
}

} // namespace

void StartApplication(int& argc, char** argv)
{
    RefuseForeignPlugins("QT_QPA_PLATFORM", ';', kLocalPlatforms, "platform");
    RefuseForeignPlugins("QT_QPA_GENERIC_PLUGINS", ',', kLocalInputPlugins, "input plugin");
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage& held : sHeld) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        qt_message_output(held.type, context, held.text);
    }
    sHeld.clear();
}

} // namespace kit
