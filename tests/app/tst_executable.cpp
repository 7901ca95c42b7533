#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray LOADED_MARKER = "main window loaded after";
constexpr int OUTPUT_TIMEOUT_MS = 30000;

// A home folder of its own for one run of the shell, with the paths the shell uses in it.
class ShellHome
{
public:
    explicit ShellHome(const QString& parent) : m_home(parent + QStringLiteral("/shellXXXXXX")) {}

    bool isValid() const { return m_home.isValid(); }
    QString path() const { return m_home.path(); }
    QString configHome() const { return m_home.filePath(QStringLiteral(".config")); }
    QString dataHome() const { return m_home.filePath(QStringLiteral(".local/share")); }
    QString settingsFile() const { return configHome() + QStringLiteral("/brennhof/Kelvo.conf"); }
    QString dataFolder() const { return dataHome() + QStringLiteral("/brennhof/Kelvo"); }

    // The settings file as the shell reads and writes it.
    std::unique_ptr<QSettings> settings() const
    {
        return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    }

private:
    QTemporaryDir m_home;
};

quint16 unusedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

class TestExecutable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void themeOption_data();
    void themeOption();
    void pendingDeletionIsSweptAtStart();

private:
    // Starts the shell offscreen in `home`, waits until its main window has loaded, then
    // stops it. Returns the shell's diagnostic output.
    QByteArray runUntilLoaded(const ShellHome& home, const QStringList& arguments);

    TestEnvironment m_environment;
    QString m_executable;
    QString m_serverUrl;
};

void TestExecutable::initTestCase()
{
    m_executable = qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/bin/quillmark");
    QVERIFY2(QFileInfo(m_executable).isExecutable(), qPrintable(m_executable));
    // Nothing listens there: no request of the shell can reach a real server.
    m_serverUrl = QStringLiteral("http://127.0.0.1:%1/").arg(unusedLoopbackPort());
}

QByteArray TestExecutable::runUntilLoaded(const ShellHome& home, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.configHome());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.dataHome());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QUILLMARK_SERVER_URL"), m_serverUrl);

    QProcess shell;
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(home.path());
    shell.setReadChannel(QProcess::StandardError);
    shell.start(m_executable, arguments);

    QByteArray output;
    while (!output.contains(LOADED_MARKER) && shell.waitForReadyRead(OUTPUT_TIMEOUT_MS))
        output += shell.readAllStandardError();
    shell.kill();
    shell.waitForFinished();
    return output + shell.readAllStandardError();
}

void TestExecutable::themeOption_data()
{
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("dark");

    QTest::newRow("-nox") << QVariant() << QStringList{"-nox"} << true;
    QTest::newRow("-light") << QVariant() << QStringList{"-light"} << false;
    QTest::newRow("-nox over a stored light") << QVariant(false) << QStringList{"-nox"} << true;
    QTest::newRow("-light over a stored dark") << QVariant(true) << QStringList{"-light"} << false;
    QTest::newRow("-light -nox") << QVariant() << QStringList{"-light", "-nox"} << true;
    QTest::newRow("stored dark without an option") << QVariant(true) << QStringList{} << true;
}

void TestExecutable::themeOption()
{
    QFETCH(QVariant, before);
    QFETCH(QStringList, arguments);
    QFETCH(bool, dark);

    const ShellHome home(m_environment.root());
    QVERIFY(home.isValid());
    if (before.isValid())
        home.settings()->setValue(QStringLiteral("theme"), before);

    const QByteArray output = runUntilLoaded(home, arguments);
    QVERIFY2(output.contains(LOADED_MARKER), output.constData());

    const auto settings = home.settings();
    QVERIFY(settings->contains(QStringLiteral("theme")));
    QCOMPARE(settings->value(QStringLiteral("theme")).toBool(), dark);
}

void TestExecutable::pendingDeletionIsSweptAtStart()
{
    const ShellHome home(m_environment.root());
    QVERIFY(home.isValid());
    const QString libraries = home.dataFolder() + QStringLiteral("/libs");
    QVERIFY(QDir().mkpath(libraries));
    const QString deleted = libraries + QStringLiteral("/demo_release_1_0_0.dll");
    const QString kept = libraries + QStringLiteral("/demo_release_1_1_0.dll");
    for (const QString& path : {deleted, kept}) {
        QFile library(path);
        QVERIFY(library.open(QIODevice::WriteOnly));
        library.write("library");
    }
    home.settings()->setValue(QStringLiteral("pluginToDelete/demo_release_1_0_0.dll"), deleted);

    const QByteArray output = runUntilLoaded(home, {});
    QVERIFY2(output.contains(LOADED_MARKER), output.constData());

    QVERIFY(!QFileInfo::exists(deleted));
    QVERIFY(QFileInfo::exists(kept));
    const auto settings = home.settings();
    settings->beginGroup(QStringLiteral("pluginToDelete"));
    QVERIFY(settings->childKeys().isEmpty());
}

QTEST_GUILESS_MAIN(TestExecutable)
#include "tst_executable.moc"
