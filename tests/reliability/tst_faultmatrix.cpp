#include "bundlemanager.h"
#include "httprequesthandler.h"
#include "kelvo.h"
#include "kelvostrings.h"
#include "managerconnections.h"
#include "productmanager.h"
#include "storagefixture.h"
#include "testenvironment.h"
#include "testhttpserver.h"
#include "translator.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

using namespace StorageFixture;

namespace {

// Short enough that the slow rows stay quick, long enough for every good local reply.
constexpr int TIMEOUT_MS = 1000;
constexpr qint64 SIZE_LIMIT = 64 * 1024;

enum Fault {
    REFUSED,
    STATUS_404,
    PAGE_404_WITH_200,
    STATUS_500,
    CUT_OFF,
    RESET,
    NOT_JSON,
    WRONG_SHAPE,
    EMPTY,
    HUGE,
    SLOW_DRIP
};
const char* const FAULT_NAMES[] = {"refused", "404",   "404 page with 200", "500",
                                   "cut off", "reset", "not JSON",          "wrong shape",
                                   "empty",   "huge",  "slow drip"};

// What the shell must make of a fault: a download failure (a status line), a document it
// reports as corrupt, or nothing at all (a translation the server lacks is normal).
enum Outcome { FAILED, CORRUPT, QUIET };

enum Kind {
    CATALOGUE,
    CHANGELOG,
    LIBRARY,
    LIBRARY_INFO,
    FIRMWARE_LIST,
    FIRMWARE_FILE,
    INSTRUCTIONS_LIST,
    INSTRUCTIONS_FILE,
    VERSION_DOCUMENT,
    UPDATE_CHANGELOG,
    UPDATE_FILE,
    PLUGIN_NAMES,
    TRANSLATION_FILE
};

struct KindInfo
{
    const char* name;
    QString path;          // the resource that fails
    QString precedes;      // the resource whose answer leads to that request, if any
    QByteArray wrongShape; // empty for files that are not JSON
};

const KindInfo KINDS[] = {
    {"catalogue", STORAGE + "plugins.info", {}, "[1,2,3]"},
    {"changelog", VERSION_FOLDER + "Vent_1_1_0.json", {}, "[\"Fixes\"]"},
    {"library", VERSION_FOLDER + "libs/Vent.dll", {}, {}},
    {"library info", VERSION_FOLDER + "Vent.info", VERSION_FOLDER + "libs/Vent.dll",
     R"([{"version":"1.1.0"}])"},
    {"firmware list", STORAGE + "Vent/firmwares/firmware.info", {}, R"({"files":["fw.bin"]})"},
    {"firmware file",
     STORAGE + "Vent/firmwares/fw.bin",
     STORAGE + "Vent/firmwares/firmware.info",
     {}},
    {"instructions list",
     STORAGE + "Vent/assembly_instructions/assembly_instructions.info",
     {},
     R"({"Vent":["mount.pdf"]})"},
    {"instructions file",
     STORAGE + "Vent/assembly_instructions/mount.pdf",
     STORAGE + "Vent/assembly_instructions/assembly_instructions.info",
     {}},
    {"version document", STORAGE + "kelvo.info", {}, "[\"2.2.0\"]"},
    {"update changelog", STORAGE + "changelog.json", {}, R"([{"changelog":{}}])"},
    {"update file", STORAGE + "qmk.dat", {}, {}},
    {"plug-in names", "/getPluginNames.php", {}, R"({"names":["Vent"]})"},
    {"translation file", STORAGE + "/translations/qmk_en.qm", "/getPluginNames.php", {}},
};

Outcome expectedOutcome(Kind kind, Fault fault)
{
    const bool missingFileFault =
        fault == STATUS_404 || fault == PAGE_404_WITH_200 || fault == EMPTY;
    if (kind == TRANSLATION_FILE && missingFileFault)
        return QUIET;
    // A changelog that is no changelog object is shown empty, so that installing stays possible.
    if (kind == CHANGELOG && fault == WRONG_SHAPE)
        return QUIET;
    if (fault != WRONG_SHAPE)
        return FAILED;
    return kind == LIBRARY_INFO || kind == PLUGIN_NAMES ? FAILED : CORRUPT;
}

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Outcome)

// Every kind of request the shell makes, against every way a server can fail it.
class TestFaultMatrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void faults_data();
    void faults();

private:
    void prepare(Kind kind);
    TestHttpServer::Route faultyRoute(Kind kind, Fault fault);
    void trigger(Kind kind);
    QStringList newStatusLines(int since) const;
    QAbstractItemModel* messages() const;

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QQmlEngine m_engine;
    Kelvo* m_kelvo = nullptr;
    Translator* m_translator = nullptr;
    ProductManager* const m_products = ProductManager::instance();
    BundleManager* const m_bundle = BundleManager::instance();
    bool m_translationsFinished = false;
};

void TestFaultMatrix::initTestCase()
{
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    HttpRequestHandler::setDefaultsForTesting(TIMEOUT_MS, SIZE_LIMIT);
    m_kelvo = new Kelvo(this);
    m_kelvo->setRootContext(m_engine.rootContext());
    m_kelvo->createMessageModels();
    m_translator = new Translator(&m_engine, m_engine.rootContext());
    m_translator->setParent(this);
    ManagerConnections::connectToController(m_kelvo, m_products, m_bundle, m_translator);
}

void TestFaultMatrix::cleanup()
{
    m_server.setRefusing(false);
}

QAbstractItemModel* TestFaultMatrix::messages() const
{
    return m_engine.rootContext()
        ->contextProperty(QStringLiteral("messageModel"))
        .value<QAbstractItemModel*>();
}

QStringList TestFaultMatrix::newStatusLines(int since) const
{
    QStringList lines;
    for (int row = since; row < messages()->rowCount(); ++row)
        lines << messages()->index(row, 0).data(Qt::UserRole + 1).toString();
    return lines;
}

void TestFaultMatrix::faults_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Outcome>("outcome");
    for (int kind = CATALOGUE; kind <= TRANSLATION_FILE; ++kind) {
        for (int fault = REFUSED; fault <= SLOW_DRIP; ++fault) {
            const bool json = !KINDS[kind].wrongShape.isEmpty();
            if (!json && (fault == NOT_JSON || fault == WRONG_SHAPE))
                continue;
            QTest::addRow("%s, %s", KINDS[kind].name, FAULT_NAMES[fault])
                << Kind(kind) << Fault(fault) << expectedOutcome(Kind(kind), Fault(fault));
        }
    }
}

TestHttpServer::Route TestFaultMatrix::faultyRoute(Kind kind, Fault fault)
{
    // Valid JSON for the JSON documents, so that only the fault itself can spoil it.
    const QByteArray good = KINDS[kind].wrongShape.isEmpty() ? "good content" : "{\"a\":1}";
    TestHttpServer::Route route;
    route.body = good;
    switch (fault) {
    case REFUSED:
        break;
    case STATUS_404:
        route = {404, "<html><body><h1>404 Not Found</h1></body></html>"};
        break;
    case PAGE_404_WITH_200:
        route.body = "<html><body><h1>404 Not Found</h1></body></html>";
        break;
    case STATUS_500:
        route = {500, "Internal Server Error"};
        break;
    case CUT_OFF:
        route.body = QByteArray(4096, ' ') + good;
        route.closeMidBody = true;
        break;
    case RESET:
        route.body = QByteArray(4096, ' ') + good;
        route.resetMidBody = true;
        break;
    case NOT_JSON:
        route.body = "version=1.1.0\n";
        break;
    case WRONG_SHAPE:
        route.body = KINDS[kind].wrongShape;
        break;
    case EMPTY:
        route.body.clear();
        break;
    case HUGE:
        route.body = QByteArray(SIZE_LIMIT * 4, ' ') + good;
        break;
    case SLOW_DRIP:
        route.body = QByteArray(100, ' ') + good;
        route.chunkSize = 1;
        route.chunkIntervalMs = 3000;
        break;
    }
    return route;
}

// Each row starts from the same data folder and catalogue; the update download needs the
// changelog that names its files.
void TestFaultMatrix::prepare(Kind kind)
{
    m_environment.clear();
    serve(m_server);
    seedDataFolder();
    m_products->setCurrentReleaseState(Product::RELEASE);
    m_products->loadPlugins(true);
    QCOMPARE(m_products->products().size(), 1);
    QCOMPARE(m_products->products().first()->installationState(), Product::INSTALLED_UPDATEABLE);
    if (kind == UPDATE_FILE) {
        QSignalSpy changelog(m_bundle, &BundleManager::changeLogAvailable);
        m_bundle->downloadChangelog();
        QVERIFY(changelog.wait());
    }
}

void TestFaultMatrix::trigger(Kind kind)
{
    switch (kind) {
    case CATALOGUE:
        m_products->loadPlugins(false);
        break;
    case CHANGELOG:
        m_kelvo->downloadChangelog(APP_ID);
        break;
    case LIBRARY:
    case LIBRARY_INFO:
        m_kelvo->downloadPlugin(APP_ID, true);
        break;
    case FIRMWARE_LIST:
    case FIRMWARE_FILE:
        m_products->requestFirmwareList(QStringLiteral("Vent"));
        break;
    case INSTRUCTIONS_LIST:
    case INSTRUCTIONS_FILE:
        m_products->requestAssemblyInstructionsList(QStringLiteral("Vent"));
        break;
    case VERSION_DOCUMENT:
        m_bundle->checkForUpdates();
        break;
    case UPDATE_CHANGELOG:
        m_bundle->downloadChangelog();
        break;
    case UPDATE_FILE:
        m_kelvo->downloadUpdate();
        break;
    case PLUGIN_NAMES:
    case TRANSLATION_FILE:
        m_translationsFinished = false;
        m_translator->downloadTranslations(6, this, [this] { m_translationsFinished = true; });
        break;
    }
}

void TestFaultMatrix::faults()
{
    QFETCH(Kind, kind);
    QFETCH(Fault, fault);
    QFETCH(Outcome, outcome);
    prepare(kind);
    if (QTest::currentTestFailed())
        return;
    const KindInfo& info = KINDS[kind];
    TestHttpServer::Route route = faultyRoute(kind, fault);
    if (fault == REFUSED) {
        if (info.precedes.isEmpty()) {
            m_server.setRefusing(true);
        } else {
            TestHttpServer::Route preceding = m_server.route(info.precedes);
            preceding.afterResponse = [this] { m_server.setRefusing(true); };
            m_server.setRoute(info.precedes, preceding);
        }
    } else {
        m_server.setRoute(info.path, route);
    }
    const QMap<QString, QByteArray> before = snapshot(m_environment.appDataPath());
    QCOMPARE(before.value("libs/Vent.dll"), INSTALLED_LIBRARY);
    const int statusLines = messages()->rowCount();

    QSignalSpy productFailures(m_products, &ProductManager::downloadFailed);
    QSignalSpy productErrors(m_products, &ProductManager::errorOccured);
    QSignalSpy productFinished(m_products, &ProductManager::downloadFinished);
    QSignalSpy bundleFailures(m_bundle, &BundleManager::downloadFailed);
    QSignalSpy bundleErrors(m_bundle, &BundleManager::errorOccured);
    QSignalSpy bundleDone(m_bundle, &BundleManager::kelvoDetailsReceived);
    QSignalSpy bundleChangelog(m_bundle, &BundleManager::changeLogAvailable);
    QSignalSpy bundleReady(m_bundle, &BundleManager::updateReady);
    QSignalSpy translationFailures(m_translator, &Translator::downloadFailed);
    QSignalSpy overlay(m_kelvo, &Kelvo::showSplashScreen);
    const auto ended = [&] {
        switch (kind) {
        case PLUGIN_NAMES:
        case TRANSLATION_FILE:
            return m_translationsFinished;
        case CHANGELOG:
        case LIBRARY:
        case LIBRARY_INFO:
            return productFailures.count() + productFinished.count() > 0;
        case VERSION_DOCUMENT:
        case UPDATE_CHANGELOG:
        case UPDATE_FILE:
            return bundleFailures.count() + bundleErrors.count() + bundleDone.count() +
                       bundleChangelog.count() + bundleReady.count() >
                   0;
        default:
            return productFailures.count() + productErrors.count() > 0;
        }
    };

    QElapsedTimer clock;
    clock.start();
    trigger(kind);
    // A slow server is cut off by the time-out; nothing may wait longer than that.
    QTRY_VERIFY_WITH_TIMEOUT(ended(), TIMEOUT_MS + 1000);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed <= TIMEOUT_MS + 1000, qPrintable(QString::number(elapsed)));

    const int failures =
        productFailures.count() + bundleFailures.count() + translationFailures.count();
    const int corrupt = productErrors.count() + bundleErrors.count();
    const QStringList lines = newStatusLines(statusLines);
    const QString failurePrefix = m_kelvo->getTranslation(KelvoStrings::ERR_MSG_DOWNLOAD_FAILED);
    switch (outcome) {
    case FAILED:
        QVERIFY2(failures > 0, qPrintable(lines.join('\n')));
        QVERIFY2(!lines.filter(failurePrefix).isEmpty(), qPrintable(lines.join('\n')));
        break;
    case CORRUPT:
        QCOMPARE(failures, 0);
        QVERIFY(corrupt > 0);
        QVERIFY(productErrors.isEmpty() ||
                productErrors.first().at(1).value<ProductManager::ErrorType>() ==
                    ProductManager::JSON_CORRUPT);
        QVERIFY(bundleErrors.isEmpty() ||
                bundleErrors.first().at(1).value<BundleManager::UpdateErrors>() ==
                    BundleManager::JSON_CORRUPT);
        break;
    case QUIET:
        QCOMPARE(failures, 0);
        QCOMPARE(corrupt, 0);
        break;
    }
    // The loading overlay shown for a request is hidden again.
    const bool showsOverlay = kind == CHANGELOG || kind == LIBRARY || kind == LIBRARY_INFO;
    QCOMPARE(!overlay.isEmpty() && overlay.first().first().toBool(), showsOverlay);
    if (!overlay.isEmpty())
        QCOMPARE(overlay.last().first().toBool(), false);
    QCOMPARE(snapshot(m_environment.appDataPath()), before);
    // The launcher keeps what it showed; without the server's catalogue, the stored one.
    const bool changesState = kind == CHANGELOG && outcome == QUIET;
    if (kind <= LIBRARY_INFO && !changesState) {
        QCOMPARE(m_products->products().size(), 1);
        QCOMPARE(m_products->products().first()->installationState(),
                 Product::INSTALLED_UPDATEABLE);
    }
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
