#include "shell.h"

#include "bundlemanager.h"
#include "colors.h"
#include "commonstringmanager.h"
#include "contextproperties.h"
#include "filedialogservice.h"
#include "globals.h"
#include "kelvo.h"
#include "kelvosplashscreen.h"
#include "kelvostringmanager.h"
#include "managerconnections.h"
#include "pendingdeletions.h"
#include "productmanager.h"
#include "startup.h"
#include "theme.h"
#include "translator.h"
#include "typeregistration.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QQuickStyle>
#include <QSettings>
#include <QThreadPool>

Q_LOGGING_CATEGORY(lcStartup, "quillmark.startup")

Shell::Shell(const QStringList& arguments)
{
    m_sinceStart.start();
    QQmlContext* rootContext = m_engine.rootContext();

    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    const Startup::StartOptions options = Startup::parseCommandLine(arguments, settings);
    // The names decide where the data folder lies, which the sweep keeps to.
    Startup::applyOptions(options);
    PendingDeletions::sweep();
    const bool showUpdateHint = options.skipUpdateHint
                                    ? options.updateHintWanted
                                    : Startup::readUpdateHint(options.updateHintWanted);

    m_translator = new Translator(&m_engine, rootContext);
    m_engine.retranslate();
    m_splashScreen = new KelvoSplashScreen;
    m_splashScreen->show();
    m_hiddenMainWindow.adjustSize();

    QQuickStyle::setStyle(QStringLiteral("Basic"));
    qSetMessagePattern(QString::fromLatin1(Startup::MESSAGE_PATTERN));
    QThreadPool::globalInstance()->setMaxThreadCount(300);
    TypeRegistration::registerTypes();
    m_splashScreen->showNextStep();

    m_kelvo = new Kelvo;
    m_productManager = ProductManager::instance();
    m_productManager->setCurrentReleaseState(options.releaseChannel);
    m_kelvo->setTranslator(m_translator);
    ManagerConnections::connectToController(m_kelvo, m_productManager, BundleManager::instance(),
                                            m_translator);
    m_splashScreen->showNextStep();
    m_engine.addImportPath(QStringLiteral("qrc:/"));

    m_kelvo->setRootContext(rootContext);
    m_kelvo->createMessageModels();
    publishContextProperties(showUpdateHint);

    m_translator->downloadTranslations(Globals::KELVO_APP_ID, &m_hiddenMainWindow,
                                       [this] { start(); });
}

void Shell::publishContextProperties(bool showUpdateHint)
{
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    // Owned by the application object, so that the windows of the engine never outlive it.
    auto* theme = new Theme(QCoreApplication::instance());
    auto* globalColors = new Colors(settings.value(Globals::THEME_KEY, false).toBool());
    auto* fileDialogs = new FileDialogService(QCoreApplication::instance());
    ContextProperties::publish(m_engine.rootContext(),
                               {theme, m_kelvo, m_translator, globalColors,
                                BundleManager::instance(), m_productManager,
                                m_kelvo->getShowTooltips(), showUpdateHint, fileDialogs});
}

void Shell::start()
{
    m_engine.retranslate();
    // On the first start the translation files have only just arrived: the texts are built
    // again, so that they are in the user's language from the start.
    KelvoStringManager::instance()->initialize();
    CommonStringManager::instance()->initialize();
    m_splashScreen->showNextStep();
    m_engine.load(QUrl(QStringLiteral("qrc:/assets/kelvo/Main.qml")));
    if (m_engine.rootObjects().isEmpty())
        qCCritical(lcStartup, "the main window could not be loaded");
    else
        qCInfo(lcStartup, "main window loaded after %lld ms", m_sinceStart.elapsed());
    m_productManager->loadPlugins(false);
    BundleManager::instance()->checkForUpdates();
    m_splashScreen->showNextStep();
    m_splashScreen->closeSplash(&m_hiddenMainWindow);
    m_hiddenMainWindow.close();
}
