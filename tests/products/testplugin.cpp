#include "iplugin.h"

// The smallest plug-in the shell can open: it only names its start-options view.
class TestPlugin : public IPlugin
{
public:
    QString startPlugin(bool isVireo, QQmlContext*) override
    {
        return isVireo ? QStringLiteral("qrc:/test/VireoOptions.qml")
                       : QStringLiteral("qrc:/test/StartOptions.qml");
    }
};

extern "C" Q_DECL_EXPORT IPlugin* getPlugin()
{
    static TestPlugin plugin;
    return &plugin;
}
