#include "globals.h"
#include "kelvo.h"
#include "productmanager.h"
#include "shell.h"
#include "storageserver.h"
#include "testenvironment.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QSignalSpy>
#include <QtTest>

// The whole start-up in-process, against the storage server serving the demo storage: the
// screens find every context property, and the controller drives the managers.
class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyContextPropertyIsPublished();
    void controllerDrivesTheManagers();

private:
    TestEnvironment m_environment;
    StorageServer* m_server = nullptr;
    std::unique_ptr<Shell> m_shell;
};

void TestShell::initTestCase()
{
    const QString root =
        qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/demo-storage");
    m_server = new StorageServer(root, this);
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
    qputenv("QUILLMARK_SERVER_URL",
            QStringLiteral("http://127.0.0.1:%1/").arg(m_server->serverPort()).toUtf8());

    QSignalSpy catalogue(ProductManager::instance(), &ProductManager::pluginsChanged);
    m_shell = std::make_unique<Shell>(QStringList{QStringLiteral("quillmark")});
    QTRY_VERIFY_WITH_TIMEOUT(!m_shell->engine().rootObjects().isEmpty(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(!catalogue.isEmpty(), 10000);
}

void TestShell::everyContextPropertyIsPublished()
{
    QStringList warnings;
    connect(&m_shell->engine(), &QQmlEngine::warnings, this, [&](const QList<QQmlError>& list) {
        for (const QQmlError& error : list)
            warnings << error.toString();
    });
    // A name that is not published fails the binding with a ReferenceError.
    QQmlComponent component(&m_shell->engine());
    component.setData("import QtQml\nimport KelvoStringKeys 1.0\nimport CommonStringKeys 1.0\n"
                      "QtObject { property string texts: kelvo.getTranslation("
                      "KelvoStringKeys.INFO_MSG_QUIT_APPLICATION) + '|' + "
                      "kelvo.getCommonTranslation(CommonStringKeys.BTN_FACTORY_RESET)\n"
                      " property var values: [messageModel, buildnumber,"
                      " builddate, versionnumber, appName, copyright, companyfullname, sizes,"
                      " fonts, margin, radii, animDuration, kelvo, plugin, translator,"
                      " globalColors, bundleManager, productManager, releaseState,"
                      " showTooltips, showUpdateHint] }",
                      QUrl(QStringLiteral("qrc:/ContextProperties.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    const QVariantList values = object->property("values").toList();
    QCOMPARE(values.size(), 21);
    QCOMPARE(values.at(12).value<QObject*>(), m_shell->kelvo());
    QCOMPARE(values.at(13).value<QObject*>(), nullptr);
    QCOMPARE(values.at(18).toInt(), 0);
    QCOMPARE(values.at(3).toString(), QStringLiteral("2.1.0"));
    // The screens name the keys of both string tables.
    QCOMPARE(object->property("texts").toString(),
             m_shell->kelvo()->getTranslation(KelvoStrings::INFO_MSG_QUIT_APPLICATION) + '|' +
                 m_shell->kelvo()->getCommonTranslation(CommonStrings::BTN_FACTORY_RESET));
    QVERIFY(!object->property("texts").toString().startsWith('|'));
}

void TestShell::controllerDrivesTheManagers()
{
    Kelvo* kelvo = m_shell->kelvo();
    QSignalSpy details(kelvo, &Kelvo::sendKelvoDetails);
    kelvo->checkForKelvoUpdates();
    QVERIFY(details.wait(5000));
    QCOMPARE(details.first(), (QVariantList{6, "2.2.0", false}));

    QSignalSpy finished(ProductManager::instance(), &ProductManager::downloadFinished);
    kelvo->downloadPlugin(21, false);
    QVERIFY(finished.wait(5000));
    QCOMPARE(kelvo->getPluginStartOptions(21), QStringLiteral("qrc:/ventus/StartOptions.qml"));

    QFile log(QStringLiteral("statusLogger.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList texts;
    for (const QByteArray& line : log.readAll().split('\n')) {
        if (!line.isEmpty())
            texts << QString::fromUtf8(line).section(QStringLiteral(" - "), 1);
    }
    // The catalogue load and the update check of the start found everything they asked for.
    QCOMPARE(texts,
             (QStringList{kelvo->getTranslation(KelvoStrings::INFO_MSG_CHECKING_FOR_UPDATES),
                          kelvo->getTranslation(KelvoStrings::INFO_MSG_DOWNLOADING_PLUGIN)}));
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
