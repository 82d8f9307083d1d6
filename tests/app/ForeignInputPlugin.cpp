// An input plugin that carries the allowed name "evdevmouse" and is not Qt's: the program
// must never load it from a folder named by QT_PLUGIN_PATH or QT_QPA_PLATFORM_PLUGIN_PATH.
// Where it is loaded anyway, it says so on standard error.
#include <QGenericPlugin>

#include <cstdio>

class ForeignInputPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "ForeignInputPlugin.json")

public:
    QObject* create(const QString&, const QString&) override
    {
        std::fputs("foreign input plugin loaded\n", stderr);
        return nullptr;
    }
};

#include "ForeignInputPlugin.moc"
