#pragma once

#include "sdkglobal.h"
#include "xevents.h"

#include <QObject>
#include <QString>

class QQmlContext;

// What the shell requires of a device plug-in. A plug-in library exports
//     extern "C" IPlugin* getPlugin();
// The returned object is never deleted and its library is never unloaded.
class QUILLMARK_SDK_EXPORT IPlugin : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~IPlugin() override;

signals:
    void injectUi(QString qmlPath, bool isVirtual);
    void updateStatus(QString message, XEvents::MessageTypes type,
                      XEvents::MessageActionTypes okAction = XEvents::OK,
                      XEvents::MessageActionTypes cancelAction = XEvents::CANCEL,
                      QString okButtonText = QString());
    void showSplashScreen(bool show);
    void closeDialog();

public:
    // Returns the URL of the plug-in's start-options view. `context` is the engine's root
    // context. This stays the first virtual of the class: plug-ins rely on its slot.
    virtual QString startPlugin(bool isVireo, QQmlContext* context) = 0;

public slots:
    // The shell quits, or the user cancelled loading the plug-in.
    virtual void onQuit();
    // The user left the plug-in.
    virtual void onPluginClosed();
};

using GetPluginFunction = IPlugin* (*)();
