#include "nginxserver.h"
#include "product.h"
#include "productmanager.h"
#include "shell.h"
#include "uiharness.h"
#include "xevents.h"

#include <QDir>
#include <QDirIterator>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The road of a user against the storage tree published on a real web server: nginx over
// HTTPS with HTTP/2 and a certificate of a private authority, as a maker's static host or CDN
// serves it. The start loads the catalogue, downloads the translations and checks for a shell
// update; then the user updates one plug-in, installs another and deletes it, all through the
// real window.
class TestHttpsRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startFetchesEverythingOverHttp2();
    void updateInstallAndDelete();
    void refusedCertificate_data();
    void refusedCertificate();

private:
    QQuickItem* button(const QString& name) const;
    int state(const QString& name) const;
    void download(const QString& name, int changelogState);
    void deleteThroughContextMenu(const QString& name);
    // Every file of the data folder with its contents.
    QHash<QString, QByteArray> dataFiles() const;
    QString storageRoot() const { return QDir(m_ui.storagePath() + "../..").absolutePath(); }

    UiHarness m_ui;
    NginxServer m_nginx;
};

void TestHttpsRoad::initTestCase()
{
    const QString unavailable = NginxServer::unavailableReason();
    if (!unavailable.isEmpty())
        QSKIP(qPrintable("the road over HTTPS was not run: " + unavailable));
    qputenv("QUILLMARK_CA_FILE", NginxServer::authorityFile().toLocal8Bit());
    // VENTUS 0.9.0 is installed already, so that the start offers its update.
    QDir().mkpath(m_ui.appDataPath() + "/infos");
    QDir().mkpath(m_ui.appDataPath() + "/libs");
    QFile info(m_ui.appDataPath() + "/infos/ventus_0_9_0_release.info");
    QVERIFY(info.open(QIODevice::WriteOnly));
    info.write(R"({"appId": "21", "name": "ventus", "version": "0.9.0", "state": "release",
                  "relDate": "01.02.2023"})");
    info.close();
    QFile library(m_ui.appDataPath() + "/libs/ventus.dll");
    QVERIFY(library.open(QIODevice::WriteOnly) && library.write("ventus 0.9.0") > 0);
    library.close();

    QVERIFY2(m_nginx.start(storageRoot()), qPrintable(m_nginx.errorText()));
    QVERIFY(m_ui.start({}, m_nginx.baseUrl()));
}

void TestHttpsRoad::cleanup()
{
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QQuickItem* TestHttpsRoad::button(const QString& name) const
{
    return m_ui.item(QStringLiteral("pluginButton_") + name);
}

int TestHttpsRoad::state(const QString& name) const
{
    return button(name)->property("pluginButtonState").toInt();
}

// The catalogue, every translation file and the update check came over HTTP/2; the names list
// is the static file, whatever its query.
void TestHttpsRoad::startFetchesEverythingOverHttp2()
{
    QVERIFY(button("KASTOR+") && button("PELION"));
    QCOMPARE(state("VENTUS"), int(Product::INSTALLED_UPDATEABLE));

    QStringList served;
    QDirIterator it(m_ui.storagePath(), {"*.qm"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        served << QFileInfo(it.next()).fileName();
    QVERIFY(served.size() > 10);
    QStringList stored = QDir(m_ui.appDataPath() + "/translations").entryList({"*.qm"});
    served.sort();
    stored.sort();
    QCOMPARE(stored, served);

    const QStringList log = m_nginx.accessLog();
    QVERIFY(log.size() > served.size());
    for (const QString& line : log)
        QVERIFY2(line.endsWith(" HTTP/2.0"), qPrintable(line));
    for (const QString& request :
         {"/storage/kelvo/plugins.info", "/getPluginNames.php?appId=", "/kelvo.info"}) {
        const auto asked = [&](const QString& line) { return line.contains(request); };
        QVERIFY2(std::any_of(log.begin(), log.end(), asked), qPrintable(request));
    }
}

// Opens the changelog of the plug-in with a click and downloads it with the button there.
void TestHttpsRoad::download(const QString& name, int changelogState)
{
    QQuickItem* pluginButton = button(name);
    m_ui.click(pluginButton);
    QTRY_COMPARE(state(name), changelogState);
    QTRY_VERIFY(!m_ui.find("loadingRec")->property("visible").toBool());
    QTRY_COMPARE(pluginButton->height(), pluginButton->property("lookHeight").toReal());
    QSignalSpy changed(ProductManager::instance(), &ProductManager::pluginsChanged);
    m_ui.click(m_ui.findIn(pluginButton, "downloadButton"));
    QVERIFY(changed.wait(20000));
    QTRY_COMPARE(state(name), int(Product::INSTALLED));
}

void TestHttpsRoad::deleteThroughContextMenu(const QString& name)
{
    QQuickItem* pluginButton = button(name);
    m_ui.click(pluginButton, Qt::RightButton);
    QObject* menu = pluginButton->findChild<QObject*>("contextMenu");
    QVERIFY(menu);
    QTRY_VERIFY(menu->property("opened").toBool());
    QQuickItem* entry = nullptr;
    QVERIFY(
        QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem*, entry), Q_ARG(int, 0)));
    QTRY_VERIFY(entry->isVisible() && entry->height() > 0);
    m_ui.click(entry);
    QObject* popup = m_ui.find("messagePopup");
    QTRY_VERIFY(popup->property("opened").toBool());
    QCOMPARE(popup->property("okAction").toInt(), int(XEvents::DELETE_PLUGIN));
    QSignalSpy deleted(ProductManager::instance(), &ProductManager::pluginDeleted);
    m_ui.click(m_ui.findIn(popup, "okButton"));
    QTRY_COMPARE(deleted.count(), 1);
    QCOMPARE(state(name), int(Product::INSTALLED_DELETED));
}

void TestHttpsRoad::updateInstallAndDelete()
{
    download("VENTUS", Product::INSTALLED_UPDATEABLE_CHANGELOG);
    QVERIFY(QFile::exists(m_ui.appDataPath() + "/infos/ventus_1_0_0_release.info"));
    QFile library(m_ui.appDataPath() + "/libs/ventus.dll");
    QVERIFY(library.open(QIODevice::ReadOnly) && library.readAll() != "ventus 0.9.0");

    download("PELION", Product::NOT_INSTALLED_CHANGELOG);
    QVERIFY(QFile::exists(m_ui.appDataPath() + "/infos/pelion_2_0_1_release.info"));
    deleteThroughContextMenu("PELION");

    for (const QString& line : m_nginx.accessLog())
        QVERIFY2(line.endsWith(" HTTP/2.0"), qPrintable(line));
}

QHash<QString, QByteArray> TestHttpsRoad::dataFiles() const
{
    QHash<QString, QByteArray> files;
    QDirIterator it(m_ui.appDataPath(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

void TestHttpsRoad::refusedCertificate_data()
{
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<QString>("why");
    QTest::newRow("untrusted authority") << "untrusted"
                                         << "local issuer";
    QTest::newRow("expired") << "expired"
                             << "expired";
    QTest::newRow("wrong host name") << "wronghost"
                                     << "'localhost'";
}

// The same server with a certificate that must not be accepted: the user asks for a changelog,
// the status line says the handshake with the host failed and why, the button stays as it was
// and nothing in the data folder changes.
void TestHttpsRoad::refusedCertificate()
{
    QFETCH(QString, certificate);
    QFETCH(QString, why);
    QVERIFY2(m_nginx.restart(certificate), qPrintable(m_nginx.errorText()));
    const qsizetype served = m_nginx.accessLog().size();
    const QHash<QString, QByteArray> before = dataFiles();

    // The user opens the changelog of a plug-in.
    QSignalSpy failed(ProductManager::instance(), &ProductManager::downloadFailed);
    m_ui.click(button("KASTOR+"));
    QVERIFY(failed.wait(20000));
    const QString text = failed.at(0).at(0).toString();
    QVERIFY2(text.contains("TLS handshake with localhost failed") && text.contains(why),
             qPrintable(text));
    QTRY_VERIFY(!m_ui.find("loadingRec")->property("visible").toBool());
    QCOMPARE(state("KASTOR+"), int(Product::NOT_INSTALLED));
    QCOMPARE(dataFiles(), before);
    QCOMPARE(m_nginx.accessLog().size(), served);
    QVERIFY2(m_nginx.restart("server"), qPrintable(m_nginx.errorText()));
}

QTEST_MAIN(TestHttpsRoad)
#include "tst_httpsroad.moc"
