#include "commonstringmanager.h"
#include "contextproperties.h"
#include "globals.h"
#include "kelvosplashscreen.h"
#include "kelvostringmanager.h"
#include "managerconnections.h"
#include "pendingdeletions.h"
#include "productmanager.h"
#include "startup.h"
#include "translator.h"
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
    auto* translator = new Translator(&engine, rootContext);
    engine.retranslate();

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
    ManagerConnections::connectFailureSignals(translator);
    splashScreen->showNextStep();
    engine.addImportPath(QStringLiteral("qrc:/"));

    QSettings themeSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    ContextProperties::publish(rootContext,
                               {productManager, translator,
                                themeSettings.value(Globals::SHOW_TOOLTIPS_KEY, true).toBool(),
                                showUpdateHint});

    auto startCallback = [&] {
        engine.retranslate();
        // The tables are built once the downloaded files are installed, so that even the
        // first start shows the texts in the user's language.
        KelvoStringManager::instance()->initialize();
        CommonStringManager::instance()->initialize();
        splashScreen->showNextStep();
        engine.load(QUrl(QStringLiteral("qrc:/assets/kelvo/Main.qml")));
        if (engine.rootObjects().isEmpty())
            qCCritical(lcStartup, "the main window could not be loaded");
        else
            qCInfo(lcStartup, "main window loaded after %lld ms", sinceStart.elapsed());
        productManager->loadPlugins(false);
        splashScreen->showNextStep();
        splashScreen->closeSplash(&hiddenMainWindow);
        hiddenMainWindow.close();
    };
    translator->downloadTranslations(Globals::KELVO_APP_ID, &hiddenMainWindow, startCallback);

    return application.exec();
}
