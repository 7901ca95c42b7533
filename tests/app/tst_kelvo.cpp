#include "bundlemanager.h"
#include "globals.h"
#include "iplugin.h"
#include "kelvo.h"
#include "managerconnections.h"
#include "pendingdeletions.h"
#include "productmanager.h"
#include "startup.h"
#include "testenvironment.h"
#include "testhttpserver.h"
#include "translator.h"

#include <QAbstractItemModel>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

QSettings shellSettings()
{
    return QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The message texts of the status log file, without their time stamps.
QStringList logTexts()
{
    QFile file(QStringLiteral("statusLogger.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList texts;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty())
            texts << QString::fromUtf8(line).section(QStringLiteral(" - "), 1);
    }
    return texts;
}

} // namespace

// Records the URLs the shell hands to the desktop.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestKelvo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void statusRouting_data();
    void statusRouting();
    void downloadFailureIsLoggedAndHidesTheOverlay();
    void deletionWaitsForConfirmation();
    void openingPlugins_data();
    void openingPlugins();
    void demoPluginIsConnectedOnce();
    void cancelAndQuitReleaseThePlugin();
    void changeSettings_data();
    void changeSettings();
    void settingsOperations();
    void forgottenPasswordCode();
    void filesOpenInTheCurrentLanguage();
    void messageFlagsReachQml();

private:
    QAbstractItemModel* messages() const;
    QString lastMessage() const;
    void installVentus();

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QQmlEngine m_engine;
    Kelvo* m_kelvo = nullptr;
    UrlRecorder m_desktop;
};

void TestKelvo::initTestCase()
{
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    m_kelvo = new Kelvo(this);
    m_kelvo->setRootContext(m_engine.rootContext());
    m_kelvo->createMessageModels();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_desktop, "open");
}

void TestKelvo::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TestKelvo::init()
{
    m_environment.clear();
    m_desktop.urls.clear();
    QVERIFY(writeFile(Globals::appDataPath() + QStringLiteral("/plugins.info"), R"({"plugins":[
        {"appId":"12","name":"kastorplus","version":"1.4.2","state":"release","relDate":"14.02.2024"},
        {"appId":"21","name":"ventus","version":"1.0.0","state":"release","relDate":"01.12.2023"}]})"));
    ProductManager::instance()->setCurrentReleaseState(0);
    ProductManager::instance()->loadPlugins(true);
}

QAbstractItemModel* TestKelvo::messages() const
{
    return m_engine.rootContext()
        ->contextProperty(QStringLiteral("messageModel"))
        .value<QAbstractItemModel*>();
}

QString TestKelvo::lastMessage() const
{
    QAbstractItemModel* model = messages();
    return model->index(model->rowCount() - 1, 0).data(Qt::UserRole + 1).toString();
}

void TestKelvo::installVentus()
{
    const QString libs = Globals::appDataPath() + QStringLiteral("/libs/");
    QDir().mkpath(libs);
    QVERIFY(QFile::copy(qEnvironmentVariable("QUILLMARK_BUILD_DIR") +
                            QStringLiteral("/examples/plugins/ventus-build/libventus.so"),
                        libs + QStringLiteral("ventus.dll")));
}

void TestKelvo::statusRouting_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("newRows");
    QTest::addColumn<QString>("lastLine"); // text of the last row afterwards
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("logged");
    QTest::addColumn<bool>("popUp");

    QTest::newRow("info line") << "Loading configuration" << 0 << 1 << "Loading configuration" << 1
                               << true << false;
    QTest::newRow("error line") << "Device removed" << 1 << 1 << "Device removed" << 2 << true
                                << false;
    QTest::newRow("continuation") << "@loading ." << 0 << 0 << "Base line." << 1 << true << false;
    QTest::newRow("@ inside is no continuation")
        << "50 @ 2 bar" << 0 << 1 << "50 @ 2 bar" << 1 << true << false;
    QTest::newRow("type 6 is ignored") << "nothing" << 6 << 0 << "Base line" << 1 << false << false;
    for (int type = 2; type <= 5; ++type)
        QTest::addRow("pop-up type %d", type)
            << "Restart the device?" << type << 0 << "Base line" << 1 << false << true;
}

void TestKelvo::statusRouting()
{
    QFETCH(QString, message);
    QFETCH(int, type);
    QFETCH(int, newRows);
    QFETCH(QString, lastLine);
    QFETCH(int, flag);
    QFETCH(bool, logged);
    QFETCH(bool, popUp);

    m_kelvo->statusUpdateReceived(QStringLiteral("Base line"), XEvents::STATUS_INFO_MESSAGE);
    const int rows = messages()->rowCount();
    const QStringList log = logTexts();
    QSignalSpy popUps(m_kelvo, &Kelvo::messageSend);

    m_kelvo->statusUpdateReceived(message, XEvents::MessageTypes(type), XEvents::RESTART_DEVICE,
                                  XEvents::LOAD_CANCEL, QStringLiteral("Restart"));

    QCOMPARE(messages()->rowCount(), rows + newRows);
    QCOMPARE(lastMessage(), lastLine);
    QCOMPARE(messages()->index(messages()->rowCount() - 1, 0).data(Qt::UserRole + 2).toInt(), flag);
    QCOMPARE(logTexts(), logged ? log + QStringList{message} : log);
    QCOMPARE(popUps.count(), int(popUp));
    if (popUp)
        QCOMPARE(popUps.first(),
                 (QVariantList{message, QVariant::fromValue(XEvents::MessageTypes(type)),
                               QVariant::fromValue(XEvents::RESTART_DEVICE),
                               QVariant::fromValue(XEvents::LOAD_CANCEL), "Restart"}));
}

// A changelog the server does not have: the failure reaches the status log through the
// connections of the start-up, and the loading overlay shown for the request goes again.
void TestKelvo::downloadFailureIsLoggedAndHidesTheOverlay()
{
    Translator translator(&m_engine, m_engine.rootContext());
    ManagerConnections::connectToController(m_kelvo, ProductManager::instance(),
                                            BundleManager::instance(), &translator);
    QSignalSpy overlay(m_kelvo, &Kelvo::showSplashScreen);
    m_kelvo->downloadChangelog(21);
    QTRY_COMPARE_WITH_TIMEOUT(overlay.count(), 2, 5000);
    QCOMPARE(overlay.at(0).at(0).toBool(), true);
    QCOMPARE(overlay.at(1).at(0).toBool(), false);

    const QString failure =
        m_kelvo->getTranslation(KelvoStrings::ERR_MSG_DOWNLOAD_FAILED) + QStringLiteral(": ");
    QVERIFY2(lastMessage().startsWith(failure) && lastMessage().endsWith("ventus_1_0_0.json"),
             qPrintable(lastMessage()));
    QCOMPARE(messages()->index(messages()->rowCount() - 1, 0).data(Qt::UserRole + 2).toInt(),
             int(Message::ERROR));
    QCOMPARE(logTexts().mid(logTexts().size() - 2),
             (QStringList{m_kelvo->getTranslation(KelvoStrings::INFO_MSG_DOWNLOADING_CHANGELOG),
                          lastMessage()}));
    QCOMPARE(m_server.requestCount(QStringLiteral("/storage/kelvo/ventus/1_0_0_release/"
                                                  "ventus_1_0_0.json")),
             1);
}

void TestKelvo::deletionWaitsForConfirmation()
{
    QSignalSpy asked(m_kelvo, &Kelvo::messageSend);
    QSignalSpy deleted(ProductManager::instance(), &ProductManager::pluginDeleted);

    m_kelvo->deletePlugin(21, true);
    QCOMPARE(deleted.count(), 0);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.first(),
             (QVariantList{m_kelvo->getTranslation(KelvoStrings::WRN_MSG_DELETE_PLUGIN),
                           QVariant::fromValue(XEvents::WARNING_MESSAGE),
                           QVariant::fromValue(XEvents::DELETE_PLUGIN),
                           QVariant::fromValue(XEvents::CANCEL), QString()}));
    m_kelvo->deletePlugin(0);
    // The appId passed without a question is not used: the one asked about is deleted.
    m_kelvo->deletePlugin(9);
    QCOMPARE(deleted.count(), 2);
    QCOMPARE(deleted.at(0).at(0).toInt(), 21);
    QCOMPARE(deleted.at(1).at(0).toInt(), 21);
    QCOMPARE(shellSettings().value(QStringLiteral("pluginToDelete/ventus.dll")).toString(),
             Globals::appDataPath() + QStringLiteral("/libs/ventus.dll"));
}

void TestKelvo::openingPlugins_data()
{
    QTest::addColumn<int>("appId");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("view");

    // First: once loaded, a library stays loaded under its path for the whole process.
    QTest::newRow("library removed") << 21 << false << Kelvo::DRIVER_MISSING_VIEW;
    QTest::newRow("demo plug-in") << 21 << true << "qrc:/ventus/StartOptions.qml";
    QTest::newRow("appId of no catalogue product") << 77 << true << Kelvo::DRIVER_MISSING_VIEW;
}

void TestKelvo::openingPlugins()
{
    QFETCH(int, appId);
    QFETCH(bool, installed);
    QFETCH(QString, view);

    if (installed)
        installVentus();
    QQmlContext* context = m_engine.rootContext();
    context->setContextProperty(QStringLiteral("plugin"), QVariant::fromValue<QObject*>(nullptr));
    context->setContextProperty(QStringLiteral("language"), QStringLiteral("de"));
    QCOMPARE(m_kelvo->getPluginStartOptions(appId), view);
    auto* plugin = context->contextProperty(QStringLiteral("plugin")).value<QObject*>();
    QCOMPARE(plugin != nullptr, view != Kelvo::DRIVER_MISSING_VIEW);
    if (!plugin)
        return;
    QCOMPARE(plugin->metaObject()->className(), "VentusPlugin");
    // The plug-in kit brings its own catalogue and installs the shell's language.
    QCOMPARE(QCoreApplication::translate("DevicePlugin", "Device configuration"),
             QStringLiteral("Gerätekonfiguration"));
}

void TestKelvo::demoPluginIsConnectedOnce()
{
    installVentus();
    QSignalSpy injected(m_kelvo, &Kelvo::injectPlugin);
    for (int opening = 0; opening < 2; ++opening) {
        QCOMPARE(m_kelvo->getPluginStartOptions(21, true),
                 QStringLiteral("qrc:/ventus/StartOptions.qml"));
        auto* plugin =
            m_engine.rootContext()->contextProperty(QStringLiteral("plugin")).value<QObject*>();
        QVERIFY(QMetaObject::invokeMethod(plugin, "openVirtualDevice"));
        QCOMPARE(injected.count(), opening + 1);
        // Connecting the same object once more changes nothing either.
        QCOMPARE(m_kelvo->getPluginStartOptions(21, true),
                 QStringLiteral("qrc:/ventus/StartOptions.qml"));
    }
    QCOMPARE(injected.first(), (QVariantList{"qrc:/ventus/DeviceView.qml", true}));
}

void TestKelvo::cancelAndQuitReleaseThePlugin()
{
    installVentus();
    const QString scheduled = Globals::appDataPath() + QStringLiteral("/libs/old.dll");
    QVERIFY(writeFile(scheduled, "old"));
    PendingDeletions::schedule(QStringLiteral("old.dll"), scheduled);

    for (const QString ending : {"cancel before delete", "cancel", "quit"}) {
        m_kelvo->getPluginStartOptions(21);
        auto* plugin = qobject_cast<IPlugin*>(
            m_engine.rootContext()->contextProperty(QStringLiteral("plugin")).value<QObject*>());
        QVERIFY(plugin);
        QSignalSpy ownSpy(plugin, &IPlugin::updateStatus);
        QSignalSpy quits(m_kelvo, &Kelvo::quit);
        const int rows = messages()->rowCount();

        if (ending == QLatin1String("quit"))
            m_kelvo->quitApplication();
        else
            QVERIFY(m_kelvo->cancelLoading(ending == QLatin1String("cancel before delete")));
        QCOMPARE(quits.count(), 1);
        const KelvoStrings::Keys key = ending == QLatin1String("quit")
                                           ? KelvoStrings::INFO_MSG_QUIT_APPLICATION
                                           : KelvoStrings::INFO_MSG_CANCEL_LOADING;
        QCOMPARE(lastMessage(), m_kelvo->getTranslation(key));

        // Only a cancel before a deletion keeps the plug-in's status reaching the shell; the
        // plug-in's other connections always stay.
        QVERIFY(QMetaObject::invokeMethod(plugin, "loadConfigurationFromDevice"));
        QCOMPARE(ownSpy.count(), 1);
        const bool kept = ending == QLatin1String("cancel before delete");
        QCOMPARE(messages()->rowCount(), rows + 1 + int(kept));
    }
    QVERIFY(!QFileInfo::exists(scheduled));
}

void TestKelvo::changeSettings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // every setting afterwards, theme true before

    QTest::newRow("nox") << "nox"
                         << "TCP=-, theme=true";
    QTest::newRow("light") << "light"
                           << "TCP=-, theme=false";
    QTest::newRow("Nox does nothing") << "Nox"
                                      << "TCP=-, theme=true";
    QTest::newRow("bare TCP") << "TCP"
                              << "TCP=, theme=true";
    QTest::newRow("address and more") << "TCP 192.168.0.20 9000"
                                      << "TCP=192.168.0.20, theme=true";
    QTest::newRow("two spaces") << "TCP  192.168.0.20"
                                << "TCP=, theme=true";
    QTest::newRow("lower-case tcp does nothing") << "tcp 10.0.0.1"
                                                 << "TCP=-, theme=true";
}

void TestKelvo::changeSettings()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    shellSettings().setValue(QStringLiteral("theme"), true);
    m_kelvo->changeSettings(typed);
    const QSettings settings = shellSettings();
    QCOMPARE(QStringLiteral("TCP=%1, theme=%2")
                 .arg(settings.value(QStringLiteral("TCP"), QStringLiteral("-")).toString(),
                      settings.value(QStringLiteral("theme")).toString()),
             stored);
}

void TestKelvo::settingsOperations()
{
    // A first start shows tool-tips, and the user settings say so.
    QCOMPARE(m_kelvo->getShowTooltips(), true);
    QCOMPARE(m_kelvo->getDarkMode(), false);
    m_kelvo->setShowTooltips(false);
    QCOMPARE(m_engine.rootContext()->contextProperty(QStringLiteral("showTooltips")), false);
    QCOMPARE(m_kelvo->getShowTooltips(), false);
    m_kelvo->setDarkMode(true);
    QCOMPARE(m_kelvo->getDarkMode(), true);

    // Without translation files German and English are offered, in a new model at each read.
    auto* languages = qobject_cast<QAbstractItemModel*>(m_kelvo->languageListModel());
    QVERIFY(languages && languages != m_kelvo->languageListModel());
    QCOMPARE(languages->rowCount(), 2);
    QCOMPARE(languages->index(1, 0).data(Qt::UserRole + 4), "en");

    QCOMPARE(Startup::readUpdateHint(true), true);
    m_kelvo->changeVisibilityOfUpdateHint();
    QCOMPARE(shellSettings().value(QStringLiteral("showUpdateHint/2_1_0")), false);
    QCOMPARE(Startup::readUpdateHint(true), false);
}

void TestKelvo::forgottenPasswordCode()
{
    // A controller of its own, with a status log of its own.
    QVERIFY(QDir().mkpath(QStringLiteral("fresh")));
    QVERIFY(QDir::setCurrent(QStringLiteral("fresh")));
    Kelvo fresh;
    QVERIFY(QDir::setCurrent(QStringLiteral("..")));
    QVERIFY(!fresh.checkCode(QString()));
    QVERIFY(!fresh.checkCode(QStringLiteral("AAAAAAAAAA")));

    QSignalSpy popUp(&fresh, &Kelvo::openForgottenPasswordPopup);
    fresh.openForgottenPassword();
    QCOMPARE(popUp.count(), 1);
    const QString shown = popUp.first().first().toString();
    QVERIFY2(shown.endsWith(QLatin1String(" TST")) && shown.size() == 9, qPrintable(shown));

    QFile table(QStringLiteral(TEST_UNLOCK_TABLE));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    QString unlockCode;
    for (const QString& line : QString::fromUtf8(table.readAll()).split('\n')) {
        if (line.startsWith(shown.left(5) + QLatin1Char(' ')))
            unlockCode = line.section(QLatin1Char(' '), 1);
    }
    QCOMPARE(unlockCode.size(), 5);
    QVERIFY(!fresh.checkCode(unlockCode.toLower()));
    QVERIFY(!fresh.checkCode(unlockCode.left(4)));
    QVERIFY(fresh.checkCode(unlockCode));
}

void TestKelvo::filesOpenInTheCurrentLanguage()
{
    shellSettings().setValue(QStringLiteral("translator/language"), QStringLiteral("de"));
    Translator german(&m_engine, m_engine.rootContext());
    m_kelvo->setTranslator(&german);
    const QString data = Globals::appDataPath();
    const QString manual =
        data + QStringLiteral("/assembly_instructions/kastorplus/kastorplus_montage_de.pdf");
    const QString helpPage = data + QStringLiteral("/help_sites/kastorplus/de/general_de.html");
    QVERIFY(writeFile(manual, "pdf"));
    QVERIFY(writeFile(data + QStringLiteral("/assembly_instructions/kastorplus/"
                                            "kastorplus_ets_pdb_en.pdf"),
                      "pdf"));

    m_kelvo->openHelpSite(QStringLiteral("kastorplus")); // no page yet: nothing opens
    m_kelvo->openAssemblyInstructions(QStringLiteral("kastorplus"), false);
    QCOMPARE(lastMessage(),
             m_kelvo->getTranslation(KelvoStrings::INFO_MSG_OPEN_ASSEMBLY_INSTRUCTIONS) +
                 QStringLiteral(" kastorplus_montage_de.pdf"));
    m_kelvo->openAssemblyInstructions(QStringLiteral("kastorplus"), true);
    QVERIFY(writeFile(helpPage, "<html></html>"));
    m_kelvo->openHelpSite(QStringLiteral("kastorplus"));
    m_kelvo->openHelpSite(QStringLiteral("../kastorplus/de/.."));
    m_kelvo->openAssemblyInstructions(QStringLiteral(".."), false);
    m_kelvo->setTranslator(nullptr);

    QCOMPARE(m_desktop.urls,
             (QList<QUrl>{QUrl::fromLocalFile(manual),
                          QUrl::fromLocalFile(data + QStringLiteral("/assembly_instructions/"
                                                                    "kastorplus/"
                                                                    "kastorplus_ets_pdb_en.pdf")),
                          QUrl::fromLocalFile(helpPage)}));
}

// MessageFlags comes with the controller, and once only.
void TestKelvo::messageFlagsReachQml()
{
    QQmlComponent component(&m_engine);
    component.setData("import QtQml\nimport MessageFlags 1.0\nimport CommonStringKeys 1.0\n"
                      "QtObject { property QtObject flags: MessageFlags {}\n"
                      " property var values: [MessageFlags.NONE, MessageFlags.ERROR,"
                      " CommonStringKeys.BTN_FACTORY_RESET] }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("values").toList(), (QVariantList{0, 2, 2}));
    QVERIFY(object->property("flags").value<QObject*>()->inherits("Message"));
    QCOMPARE(QMetaType::fromName("MessageFlags"), QMetaType::fromType<Message::MessageFlags>());
}

QTEST_MAIN(TestKelvo)
#include "tst_kelvo.moc"
