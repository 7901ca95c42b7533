#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

class TestExecutable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startUp_data();
    void startUp();

private:
    TestEnvironment m_environment;
    QString m_executable;
    QString m_serverUrl;
};

void TestExecutable::initTestCase()
{
    m_executable = qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/bin/quillmark");
    QVERIFY2(QFileInfo(m_executable).isExecutable(), qPrintable(m_executable));
    // Nothing listens there: no request of the shell can reach a real server.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    m_serverUrl = QStringLiteral("http://127.0.0.1:%1/").arg(probe.serverPort());
}

void TestExecutable::startUp_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("dark");

    QTest::newRow("-nox over a stored light") << false << QStringList{"-nox"} << true;
    QTest::newRow("stored dark without an option") << true << QStringList{} << true;
}

// The shell, run offscreen with a home of its own until its main window has loaded, stores
// the theme option and sweeps the pending deletions.
void TestExecutable::startUp()
{
    QFETCH(bool, before);
    QFETCH(QStringList, arguments);
    QFETCH(bool, dark);

    const QTemporaryDir home(m_environment.root() + QStringLiteral("/shellXXXXXX"));
    const QString settingsFile = home.filePath(QStringLiteral(".config/brennhof/Kelvo.conf"));
    const QString libraries = home.filePath(QStringLiteral(".local/share/brennhof/Kelvo/libs"));
    QVERIFY(home.isValid() && QDir().mkpath(libraries));
    const QString deleted = libraries + QStringLiteral("/demo_release_1_0_0.dll");
    const QString kept = libraries + QStringLiteral("/demo_release_1_1_0.dll");
    for (const QString& path : {deleted, kept}) {
        QFile library(path);
        QVERIFY(library.open(QIODevice::WriteOnly) && library.write("library") == 7);
    }
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        settings.setValue(QStringLiteral("pluginToDelete/demo_release_1_0_0.dll"), deleted);
        settings.setValue(QStringLiteral("theme"), before);
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       home.filePath(QStringLiteral(".local/share")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QUILLMARK_SERVER_URL"), m_serverUrl);
    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(home.path());
    shell.setReadChannel(QProcess::StandardError);
    shell.start(m_executable, arguments);
    QByteArray output;
    while (!output.contains("main window loaded after") && shell.waitForReadyRead(30000))
        output += shell.readAllStandardError();
    shell.kill();
    shell.waitForFinished();
    QVERIFY2(output.contains("main window loaded after"),
             (output + shell.readAllStandardError()).constData());

    QSettings settings(settingsFile, QSettings::IniFormat);
    QVERIFY(settings.contains(QStringLiteral("theme")));
    QCOMPARE(settings.value(QStringLiteral("theme")).toBool(), dark);
    QVERIFY(!QFileInfo::exists(deleted));
    QVERIFY(QFileInfo::exists(kept));
    settings.beginGroup(QStringLiteral("pluginToDelete"));
    QVERIFY(settings.childKeys().isEmpty());
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
