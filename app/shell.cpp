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
#include <QDateTime>
#include <QLoggingCategory>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>
#include <memory>

Q_LOGGING_CATEGORY(lcStartup, "quillmark.startup")

namespace {

const int FIRST_FRAME_GRACE_MS = 5000;

} // namespace

Shell::Shell(const QStringList& arguments, QElapsedTimer sinceStart) : m_sinceStart(sinceStart)
{
    if (!m_sinceStart.isValid())
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
    auto* window = m_engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(m_engine.rootObjects().constFirst());
    m_productManager->loadPlugins(false);
    if (window) {
        qCInfo(lcStartup, "main window loaded after %lld ms", m_sinceStart.elapsed());
        whenFirstFrameShown(window);
    } else {
        qCCritical(lcStartup, "the main window could not be loaded");
        BundleManager::instance()->checkForUpdates();
    }
    m_splashScreen->showNextStep();
    m_splashScreen->closeSplash(&m_hiddenMainWindow);
    m_hiddenMainWindow.close();
}

void Shell::whenFirstFrameShown(QQuickWindow* window)
{
    // Emitted on the render thread: the time is taken there, the rest runs on the GUI thread.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [this, window, connection] {
            QObject::disconnect(*connection);
            const qint64 elapsed = m_sinceStart.elapsed();
            const qint64 presentedAt = QDateTime::currentMSecsSinceEpoch();
            QMetaObject::invokeMethod(
                window,
                [=] {
                    qCInfo(lcStartup,
                           "first frame presented after %lld ms, at %lld ms since the epoch",
                           elapsed, presentedAt);
                    completeStart(window);
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    // A window that is not exposed at start (a locked screen, say) draws no frame until it is;
    // the start does not wait for it that long.
    QTimer::singleShot(FIRST_FRAME_GRACE_MS, window, [this, window] { completeStart(window); });
}

void Shell::completeStart(QQuickWindow* window)
{
    if (m_startCompleted)
        return;
    m_startCompleted = true;
    // The window creates what it left for after the first frame, the update dialog among them,
    // which must exist before the update check can answer.
    window->setProperty("firstFramePresented", true);
    BundleManager::instance()->checkForUpdates();
}
