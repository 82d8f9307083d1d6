#include "ApplicationStart.h"

#include <QApplication>
#include <QByteArray>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>

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
const QStringList kLocalPlatforms = {"xcb",
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
const QStringList kLocalInputPlugins = {"evdevkeyboard", "evdevmouse", "evdevtablet",
                                        "evdevtouch",    "libinput",   "tslib"};

const char* const kHeadlessAdvice = "To run without a display, use scripts/run.";

[[noreturn]] void Fail(const std::string& reason)
{
    std::fprintf(stderr, "%s: %s %s\n", program_invocation_short_name, reason.c_str(),
                 kHeadlessAdvice);
    std::_Exit(1);
}

// The variable's value as Qt reads it: Latin-1.
QString QtReads(const char* variable) { return QString::fromLatin1(qgetenv(variable)); }

// Every platform Qt may try for QT_QPA_PLATFORM, read as QGuiApplication reads it: entries
// split on ';' and each on ':', empty parts skipped, the first part lower-cased. Qt tries
// them in turn until one starts, so any of them may be the one that runs.
QStringList PlatformsQtMayTry()
{
    QStringList names;
    for (const QString& entry : QtReads("QT_QPA_PLATFORM").split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u':', Qt::SkipEmptyParts);
        if (!parts.isEmpty())
            names.append(parts.first().toLower());
    }
    return names;
}

// Every input plugin Qt loads for QT_QPA_GENERIC_PLUGINS: entries split on ',', the text
// before an entry's first ':' lower-cased; an empty name loads nothing.
QStringList InputPluginsQtLoads()
{
    QStringList names;
    for (const QString& entry : QtReads("QT_QPA_GENERIC_PLUGINS").split(u',')) {
        const QString name = entry.left(entry.indexOf(u':')).toLower();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

void RefuseForeignPlugins(const char* variable, const QStringList& names, const QStringList& local,
                          const char* kind)
{
    for (const QString& name : names) {
        if (!local.contains(name))
            Fail("refusing the Qt " + std::string(kind) + " \"" + name.toStdString() + "\" ("
                 + variable
                 + "): it is not known to stay on this machine, and could serve the"
                   " program over the network.");
    }
}

// A plugin in a folder named by QT_PLUGIN_PATH or QT_QPA_PLATFORM_PLUGIN_PATH can carry an
// allowed name and be anything, so both are ignored: plugins come from Qt's installed folder,
// and from the program's own folder, which Qt always adds and only whoever can replace the
// program can write. Paths set before the application exists replace the ones from the
// environment.
void LoadPluginsFromQtsFolder()
{
    qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    QCoreApplication::setLibraryPaths({QLibraryInfo::path(QLibraryInfo::PluginsPath)});
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
    RefuseForeignPlugins("QT_QPA_PLATFORM", PlatformsQtMayTry(), kLocalPlatforms, "platform");
    RefuseForeignPlugins("QT_QPA_GENERIC_PLUGINS", InputPluginsQtLoads(), kLocalInputPlugins,
                         "input plugin");
    LoadPluginsFromQtsFolder();
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
