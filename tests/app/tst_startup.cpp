#include "globals.h"
#include "pendingdeletions.h"
#include "startup.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

namespace {

// A fresh settings object, so a value is read as a later start finds it in the store.
QSettings shellSettings()
{
    return QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
}

bool createFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("library") == 7;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void commandLine_data();
    void commandLine();
    void applyOptionsSetsNamesAndServer();
    void updateHint_data();
    void updateHint();
    void sweep_data();
    void sweep();
    void dataFolderIsCreatedOnDemand();
    void messagePatternColoursEachLevel_data();
    void messagePatternColoursEachLevel();

private:
    TestEnvironment m_environment;
};

void TestStartup::initTestCase()
{
    // The server address is read once per process, so it is set before anything asks for it.
    qputenv("QUILLMARK_SERVER_URL", "http://127.0.0.1:5999/quillmark");
}

void TestStartup::init()
{
    m_environment.clear();
}

void TestStartup::commandLine_data()
{
    QTest::addColumn<QVariant>("themeBefore");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // the options, then every stored setting

    const QVariant none;
    const QString defaults = QStringLiteral("channel 0, hint 1, skip 0, dev 0;");
    QTest::newRow("-dev -beta keeps the hint suppressed")
        << none << QStringList{"quillmark", "-dev", "-beta"} << "channel 1, hint 0, skip 1, dev 0;";
    QTest::newRow("the program path is an argument too")
        << none << QStringList{"-dev"} << "channel 2, hint 0, skip 1, dev 0;";
    QTest::newRow("-url; -light -nox stores dark")
        << none << QStringList{"quillmark", "-light", "-url", "-nox"}
        << "channel 0, hint 1, skip 0, dev 1; theme=true";
    QTest::newRow("-nox -light stores light")
        << none << QStringList{"quillmark", "-nox", "-light"} << defaults + " theme=false";
    QTest::newRow("-nox over a stored light")
        << QVariant(false) << QStringList{"quillmark", "-nox"} << defaults + " theme=true";
    QTest::newRow("light persists")
        << QVariant(false) << QStringList{"quillmark"} << defaults + " theme=false";
    QTest::newRow("unknown and miscased words are ignored")
        << none << QStringList{"quillmark", "-Beta", "beta", "--dev", "-dev=1", "-url:x",
                               "-x",        "",      "-NOX", "nox",   "--nox",  "-Light"}
        << defaults;
}

void TestStartup::commandLine()
{
    QFETCH(QVariant, themeBefore);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    if (themeBefore.isValid())
        shellSettings().setValue(Globals::THEME_KEY, themeBefore);
    QSettings settings = shellSettings();
    const Startup::StartOptions options = Startup::parseCommandLine(arguments, settings);

    QString actual = QStringLiteral("channel %1, hint %2, skip %3, dev %4;")
                         .arg(options.releaseChannel)
                         .arg(int(options.updateHintWanted))
                         .arg(int(options.skipUpdateHint))
                         .arg(int(options.developmentServer));
    const QSettings stored = shellSettings(); // the theme is the only setting written
    for (const QString& key : stored.allKeys())
        actual += QLatin1Char(' ') + key + QLatin1Char('=') + stored.value(key).toString();
    QCOMPARE(actual, expected);
}

void TestStartup::applyOptionsSetsNamesAndServer()
{
    QCOMPARE(Globals::serverBaseUrl(), QStringLiteral("http://127.0.0.1:5999/quillmark/"));
    QCoreApplication::setOrganizationName(QStringLiteral("other"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("other.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Other"));
    QSettings settings = shellSettings();
    Startup::applyOptions(Startup::parseCommandLine({"quillmark", "-pavo", "-url"}, settings));

    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("brennhof"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kelvo"));
    QCOMPARE(QCoreApplication::organizationDomain(), Globals::ORGANISATION_DOMAIN);
    QString expected = QStringLiteral(QUILLMARK_DEV_SERVER_URL);
    if (!expected.endsWith(QLatin1Char('/')))
        expected += QLatin1Char('/');
    QCOMPARE(Globals::serverBaseUrl(), expected);
    QCOMPARE(Globals::storageUrl(), expected + QStringLiteral("storage/kelvo/"));
}

void TestStartup::updateHint_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<bool>("expected");

    QTest::newRow("only the version key matches")
        << QVariantMap{{"2_0_0", true}, {"2_1_0", false}, {"3_0_0", true}} << true << false;
    QTest::newRow("other versions are ignored")
        << QVariantMap{{"2_0_0", false}, {"2_1_1", false}, {"2_1_0_1", false}} << true << true;
    QTest::newRow("no entry keeps a suppressed hint") << QVariantMap{} << false << false;
}

void TestStartup::updateHint()
{
    QFETCH(QVariantMap, stored);
    QFETCH(bool, wanted);
    QFETCH(bool, expected);

    {
        QSettings settings = shellSettings();
        settings.beginGroup(QStringLiteral("showUpdateHint"));
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    QCOMPARE(Startup::readUpdateHint(wanted), expected);
}

void TestStartup::sweep_data()
{
    QTest::addColumn<QString>("path"); // below the data folder unless absolute
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("pathRemains");
    QTest::addColumn<bool>("entryRemains");

    const QString library = QStringLiteral("libs/demo.dll");
    QTest::newRow("missing file's entry is dropped") << library << "missing" << false << false;
    QTest::newRow("undeletable file stays") << library << "undeletable" << true << true;
    QTest::newRow("empty value stays") << QString() << "empty" << false << true;
    QTest::newRow("file outside the data folder is kept") << "%root%/documents/thesis.odt"
                                                          << "file" << true << false;
    QTest::newRow("data folder file outside libs is kept") << "plugins.info"
                                                           << "file" << true << false;
    QTest::newRow("climbing out of libs is refused") << "libs/../plugins.info"
                                                     << "file" << true << false;
    QTest::newRow("relative path is refused") << "relative/demo.dll"
                                              << "file" << true << false;
}

void TestStartup::sweep()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    QFETCH(bool, pathRemains);
    QFETCH(bool, entryRemains);

    const QDir data(Globals::appDataPath());
    QString stored = path;
    if (path.startsWith(QLatin1String("%root%")))
        stored = path.replace(QLatin1String("%root%"), m_environment.root());
    else if (!path.isEmpty() && !path.startsWith(QLatin1String("relative")))
        stored = data.filePath(path);
    QVERIFY(QDir().mkpath(data.filePath(QStringLiteral("libs"))));
    if (kind == QLatin1String("undeletable")) // a folder is never removed as a file
        QVERIFY(QDir().mkpath(stored));
    else if (kind == QLatin1String("file"))
        QVERIFY(QDir().mkpath(QFileInfo(stored).absolutePath()) && createFile(stored));
    const QString otherPath = data.filePath(QStringLiteral("libs/other_beta.dll"));
    QVERIFY(createFile(otherPath));
    const QString entry = QStringLiteral("pluginToDelete/demo.dll");
    const QString otherEntry = QStringLiteral("pluginToDelete/other_beta.dll");
    shellSettings().setValue(entry, stored);
    shellSettings().setValue(otherEntry, otherPath);

    if (kind == QLatin1String("file"))
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("not a library of this application")));
    PendingDeletions::sweep();

    QCOMPARE(!stored.isEmpty() && QFileInfo::exists(stored), pathRemains);
    QCOMPARE(shellSettings().contains(entry), entryRemains);
    if (entryRemains)
        QCOMPARE(shellSettings().value(entry).toString(), stored);
    // A library in the libs folder is removed with its entry, whatever the other outcome.
    QVERIFY(!QFileInfo::exists(otherPath));
    QVERIFY(!shellSettings().contains(otherEntry));
}

void TestStartup::dataFolderIsCreatedOnDemand()
{
    const QString path = Globals::appDataPath();
    QVERIFY2(path.startsWith(m_environment.root()) &&
                 path.endsWith(QStringLiteral("/brennhof/Kelvo")),
             qPrintable(path));
    QVERIFY(QDir(path).removeRecursively());
    QCOMPARE(Globals::appDataPath(), path);
    QVERIFY(QFileInfo(path).isDir());
}

void TestStartup::messagePatternColoursEachLevel_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("marker");

    QTest::newRow("debug") << int(QtDebugMsg) << " \x1b[34m> load \x1b[0m text";
    QTest::newRow("info") << int(QtInfoMsg) << "  \x1b[0m text";
    QTest::newRow("warning") << int(QtWarningMsg) << " \x1b[33m- load \x1b[0m text";
    QTest::newRow("critical") << int(QtCriticalMsg) << "  \x1b[31m! load\x1b[0m text";
    QTest::newRow("fatal") << int(QtFatalMsg) << "  \x1b[31mx load\x1b[0m text";
}

void TestStartup::messagePatternColoursEachLevel()
{
    QFETCH(int, type);
    QFETCH(QString, marker);

    qSetMessagePattern(QString::fromLatin1(Startup::MESSAGE_PATTERN));
    const QMessageLogContext context("startup.cpp", 7, "load", "quillmark.startup");
    const QString line = qFormatLogMessage(QtMsgType(type), context, QStringLiteral("text"));
    qSetMessagePattern(QString());

    // Green time stamp and category, then the level's own part.
    static const QRegularExpression shape(QStringLiteral(
        "^\x1b\\[32m\\d{1,2}:\\d\\d:\\d\\d\\.\\d{3} \x1b\\[32m  quillmark\\.startup:(.*)$"));
    const QRegularExpressionMatch match = shape.match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    QCOMPARE(match.captured(1), marker);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
