#include "bundlemanager.h"
#include "storageserver.h"
#include "testenvironment.h"
#include "updatefixtures.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// The shell's self-update from the version check to the extractor's start, against the
// storage server serving the assembled demo storage, driven the way the controller drives it.
class TestSelfUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void demoUpdateRunsEndToEnd();

private:
    TestEnvironment m_environment;
    QString m_storage;
    StorageServer* m_server = nullptr;
};

void TestSelfUpdate::initTestCase()
{
    const QString root = qEnvironmentVariable("QUILLMARK_BUILD_DIR") + "/demo-storage";
    m_storage = root + "/storage/kelvo/";
    QVERIFY2(QFile::exists(m_storage + "bhzipper/windows/BhZipper.exe"), qPrintable(m_storage));
    m_server = new StorageServer(root, this);
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
    qputenv("QUILLMARK_SERVER_URL",
            QStringLiteral("http://127.0.0.1:%1/").arg(m_server->serverPort()).toUtf8());
}

void TestSelfUpdate::demoUpdateRunsEndToEnd()
{
    QSettings().setValue("translator/language", "de");
    BundleManager* manager = BundleManager::instance();
    QSignalSpy failed(manager, &BundleManager::downloadFailed);
    QSignalSpy errors(manager, &BundleManager::errorOccured);

    QSignalSpy details(manager, &BundleManager::kelvoDetailsReceived);
    manager->checkForUpdates();
    QVERIFY(details.wait(5000));
    QCOMPARE(details.value(0), (QVariantList{"2.2.0", false}));

    QSignalSpy changelog(manager, &BundleManager::changeLogAvailable);
    manager->downloadChangelog();
    QVERIFY(changelog.wait(5000));
    QCOMPARE(changelog.value(0).value(0).toInt(), 6);
    const QString text = changelog.value(0).value(1).toString();
    QVERIFY2(text.startsWith("Fixes: \n\nDer Startbildschirm") &&
                 text.contains("\n\n\n\nChanges: \n\n") &&
                 text.contains("\n\n\n\nFeatures: \n\nUnterstützung"),
             qPrintable(text));

    QSignalSpy ready(manager, &BundleManager::updateReady);
    manager->downloadUpdate();
    QVERIFY(ready.wait(5000));
    const QString folder = m_environment.appDataPath() + "/bundleUpdate";
    const QStringList files{"qmk.dat", "BhZipper.exe", "Qt5Core.dll", "msvcp140.dll",
                            "vcruntime140.dll"};
    for (const QString& name : files) {
        QFile served(m_storage + (name == "qmk.dat" ? name : "bhzipper/windows/" + name));
        QFile stored(folder + '/' + name);
        QVERIFY(served.open(QIODevice::ReadOnly) && stored.open(QIODevice::ReadOnly));
        QVERIFY2(stored.readAll() == served.readAll(), qPrintable(name));
    }

    manager->runUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(extractorStarts(folder).size(), 1, 5000);
    QCOMPARE(extractorStarts(folder).value(0)["arguments"].toArray(),
             expectedExtractorArguments(folder));

    QCOMPARE(failed.count() + errors.count(), 0);
}

QTEST_GUILESS_MAIN(TestSelfUpdate)
#include "tst_selfupdate.moc"
