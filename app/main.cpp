#include "bundlemanager.h"
#include "colors.h"
#include "contextproperties.h"
#include "globals.h"
#include "kelvosplashscreen.h"
#include "managerconnections.h"
#include "messagefilterproxymodel.h"
#include "messagelistmodel.h"
#include "pendingdeletions.h"
#include "productmanager.h"
#include "startup.h"
#include "statuslogwriter.h"
#include "theme.h"
#include "typeregistration.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QSettings>
#include <QThreadPool>
#include <QWidget>

Q_LOGGING_CATEGORY(lcStartup, "quillmark.startup")

namespace {

// The status lines, the filter the screens see them through and the status log of this
// session, kept by `owner` until the application controller takes them over.
MessageFilterProxyModel* createMessageModels(QObject* owner)
{
    new StatusLogWriter(StatusLogWriter::FILE_NAME, owner);
    auto* messageListModel = new MessageListModel(owner);
    auto* messageModel = new MessageFilterProxyModel(owner);
    messageModel->setSourceModel(messageListModel);
    QObject::connect(messageListModel, &MessageListModel::dataUpdated, messageModel,
                     &MessageFilterProxyModel::dataUpdated, Qt::UniqueConnection);
    return messageModel;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QApplication application(argc, argv);
    QQmlApplicationEngine engine;
    QQmlContext* rootContext = engine.rootContext();

    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    const Startup::StartOptions options =
        Startup::parseCommandLine(application.arguments(), settings);
    PendingDeletions::sweep();
    const bool showUpdateHint = options.skipUpdateHint
                                    ? options.updateHintWanted
                                    : Startup::readUpdateHint(options.updateHintWanted);
    Startup::applyOptions(options);

    auto* splashScreen = new KelvoSplashScreen;
    splashScreen->show();
    QWidget hiddenMainWindow;
    hiddenMainWindow.adjustSize();

    QQuickStyle::setStyle(QStringLiteral("Basic"));
    qSetMessagePattern(QString::fromLatin1(Startup::MESSAGE_PATTERN));
    QThreadPool::globalInstance()->setMaxThreadCount(300);
    TypeRegistration::registerTypes();
    splashScreen->showNextStep();

    ProductManager* productManager = ProductManager::instance();
    productManager->setCurrentReleaseState(options.releaseChannel);
    ManagerConnections::connectFailureSignals(productManager);
    ManagerConnections::connectFailureSignals(BundleManager::instance());
    splashScreen->showNextStep();
    engine.addImportPath(QStringLiteral("qrc:/"));

    MessageFilterProxyModel* messageModel = createMessageModels(&application);

    QSettings themeSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    auto* theme = new Theme(&application); // outlives the engine's windows
    auto* globalColors = new Colors(themeSettings.value(Globals::THEME_KEY, false).toBool());
    ContextProperties::publish(rootContext,
                               {messageModel, theme, globalColors, productManager,
                                BundleManager::instance(),
                                themeSettings.value(Globals::SHOW_TOOLTIPS_KEY, true).toBool(),
                                showUpdateHint});

    auto startCallback = [&] {
        engine.retranslate();
        splashScreen->showNextStep();
        engine.load(QUrl(QStringLiteral("qrc:/assets/kelvo/Main.qml")));
        if (engine.rootObjects().isEmpty())
            qCCritical(lcStartup, "the main window could not be loaded");
        else
            qCInfo(lcStartup, "main window loaded after %lld ms", sinceStart.elapsed());
        productManager->loadPlugins(false);
        BundleManager::instance()->checkForUpdates();
        splashScreen->showNextStep();
        splashScreen->closeSplash(&hiddenMainWindow);
        hiddenMainWindow.close();
    };
    QMetaObject::invokeMethod(&hiddenMainWindow, startCallback, Qt::QueuedConnection);

    return application.exec();
}
