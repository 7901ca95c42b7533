#include "productmanager.h"
#include "storagefixture.h"
#include "testenvironment.h"
#include "testhttpserver.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace StorageFixture;

namespace {

constexpr int PIECE = 40;
const QByteArray LIBRARY = OFFERED_LIBRARY + QByteArray(60 * PIECE - OFFERED_LIBRARY.size(), '\0');
const QByteArray INFO = libraryInfo("1.1.0", "01.02.2024");
constexpr int INFO_PIECE = 8;

} // namespace

// A plug-in update whose transfer is cut short by the death of the process: whenever that
// happens, the installation that was there before is whole and is what the next start sees.
class TestKillPoints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedInstallation_data();
    void killedInstallation();

private:
    TestHttpServer::Route drip(const QByteArray& body, int piece, qint64 offsetBefore);

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QProcess m_installer;
    qint64 m_killAt = -1;
};

void TestKillPoints::initTestCase()
{
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    m_installer.setProgram(QStringLiteral(INSTALLER_PATH));
    m_installer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

// The body in pieces; the installer dies once the server has sent `m_killAt` bytes of the
// library and its info together.
TestHttpServer::Route TestKillPoints::drip(const QByteArray& body, int piece, qint64 offsetBefore)
{
    TestHttpServer::Route route;
    route.body = body;
    route.chunkSize = piece;
    route.chunkIntervalMs = 2;
    route.onBodyProgress = [this, offsetBefore](qint64 sent) {
        if (m_killAt >= 0 && offsetBefore + sent >= m_killAt &&
            m_installer.state() != QProcess::NotRunning)
            m_installer.kill();
    };
    return route;
}

void TestKillPoints::killedInstallation_data()
{
    QTest::addColumn<qint64>("killAt");
    for (qint64 sent = PIECE; sent <= LIBRARY.size(); sent += PIECE)
        QTest::addRow("library, %lld bytes", sent) << sent;
    for (qint64 sent = INFO_PIECE; sent < INFO.size(); sent += INFO_PIECE)
        QTest::addRow("library info, %lld bytes", sent) << LIBRARY.size() + sent;
    // Without a kill the same run installs the update: the kills above hit a real installation.
    QTest::newRow("not killed") << qint64(-1);
}

void TestKillPoints::killedInstallation()
{
    QFETCH(qint64, killAt);
    m_environment.clear();
    serve(m_server);
    seedDataFolder();
    m_server.setRoute(VERSION_FOLDER + "libs/Vent.dll", drip(LIBRARY, PIECE, 0));
    m_server.setRoute(VERSION_FOLDER + "Vent.info", drip(INFO, INFO_PIECE, LIBRARY.size()));
    const QMap<QString, QByteArray> before = snapshot(m_environment.appDataPath());
    m_killAt = killAt;

    QSignalSpy finished(&m_installer, &QProcess::finished);
    m_installer.start();
    QVERIFY(finished.wait(10000));

    ProductManager* manager = ProductManager::instance();
    manager->setCurrentReleaseState(Product::RELEASE);
    manager->loadPlugins(true);
    QCOMPARE(manager->products().size(), 1);
    const Product* vent = manager->products().first();
    if (killAt < 0) {
        QCOMPARE(m_installer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_installer.exitCode(), 0);
        QCOMPARE(vent->installationState(), Product::INSTALLED);
        QCOMPARE(vent->installedVersion(), QStringLiteral("1.1.0"));
        return;
    }
    QCOMPARE(m_installer.exitStatus(), QProcess::CrashExit);
    QCOMPARE(snapshot(m_environment.appDataPath()), before);
    QCOMPARE(vent->installationState(), Product::INSTALLED_UPDATEABLE);
    QCOMPARE(vent->installedVersion(), QStringLiteral("1.0.0"));
}

QTEST_MAIN(TestKillPoints)
#include "tst_killpoints.moc"
