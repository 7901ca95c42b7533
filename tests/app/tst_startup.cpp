#include "globals.h"
#include "pendingdeletions.h"
#include "startup.h"
#include "testenvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QSettings shellSettings()
{
    return QSettings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
}

// What a later start finds in the settings store, read through a fresh settings object.
QVariant storedTheme()
{
    return shellSettings().value(Globals::THEME_KEY);
}

bool createFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("library") == 7;
}

// Whether folder permissions stop this process from deleting a file (they do not for root).
bool permissionsBind(const QString& folder)
{
    const QString probe = folder + QStringLiteral("/probe");
    createFile(probe);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool bound = !QFile::remove(probe);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(probe);
    return bound;
}

// Leaves something at `path` that exists but cannot be deleted: a file in a read-only folder,
// or, where folder permissions do not bind, a folder that is not empty. Returns the folder
// made read-only, if any.
QString makeUndeletable(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (permissionsBind(folder)) {
        createFile(path);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return folder;
    }
    QDir().mkpath(path);
    createFile(path + QStringLiteral("/content"));
    return {};
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void themeOptionIsStored_data();
    void themeOptionIsStored();
    void commandLineOptions_data();
    void commandLineOptions();
    void pavoKeepsTheDefaultNames();

    void updateHint_data();
    void updateHint();

    void sweep_data();
    void sweep();
    void cancelledDeletionKeepsANewLibrary();

    void versionKey_data();
    void versionKey();
    void serverUrlComesFromTheEnvironment();
    void dataFolderIsCreatedOnDemand();
    void messagePattern();
    void messagePatternColoursEachLevel_data();
    void messagePatternColoursEachLevel();
    void urlOptionSelectsTheDevelopmentServer();

private:
    TestEnvironment m_environment;
    QTemporaryDir m_libraries{m_environment.root() + QStringLiteral("/librariesXXXXXX")};
};

void TestStartup::initTestCase()
{
    // The server address is read once per process, so it is set before anything asks for it.
    qputenv("QUILLMARK_SERVER_URL", "http://127.0.0.1:5999/quillmark");
    QVERIFY(m_libraries.isValid());
}

void TestStartup::init()
{
    m_environment.clear();
}

void TestStartup::themeOptionIsStored_data()
{
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QVariant>("after");

    const QVariant none;
    QTest::newRow("-light -nox stores dark")
        << none << QStringList{"quillmark", "-light", "-nox"} << QVariant(true);
    QTest::newRow("-nox -light stores light")
        << none << QStringList{"quillmark", "-nox", "-light"} << QVariant(false);
    QTest::newRow("-nox over a stored light")
        << QVariant(false) << QStringList{"quillmark", "-nox"} << QVariant(true);
    QTest::newRow("dark persists") << QVariant(true) << QStringList{"quillmark"} << QVariant(true);
    QTest::newRow("light persists")
        << QVariant(false) << QStringList{"quillmark"} << QVariant(false);
    QTest::newRow("nothing stored without an option") << none << QStringList{"quillmark"} << none;
    QTest::newRow("option words are case-sensitive")
        << none << QStringList{"quillmark", "-NOX", "nox", "--nox", "-Light"} << none;
}

void TestStartup::themeOptionIsStored()
{
    QFETCH(QVariant, before);
    QFETCH(QStringList, arguments);
    QFETCH(QVariant, after);

    if (before.isValid())
        shellSettings().setValue(Globals::THEME_KEY, before);

    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    Startup::parseCommandLine(arguments, settings);

    const QVariant stored = storedTheme();
    QCOMPARE(stored.isValid(), after.isValid());
    if (after.isValid())
        QCOMPARE(stored.toBool(), after.toBool());
}

void TestStartup::commandLineOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("releaseChannel");
    QTest::addColumn<bool>("updateHintWanted");
    QTest::addColumn<bool>("skipUpdateHint");
    QTest::addColumn<bool>("developmentServer");

    QTest::newRow("none") << QStringList{"quillmark"} << 0 << true << false << false;
    QTest::newRow("-beta") << QStringList{"quillmark", "-beta"} << 1 << true << false << false;
    QTest::newRow("-dev") << QStringList{"quillmark", "-dev"} << 2 << false << true << false;
    QTest::newRow("-dev -beta keeps the hint suppressed")
        << QStringList{"quillmark", "-dev", "-beta"} << 1 << false << true << false;
    QTest::newRow("-beta -dev") << QStringList{"quillmark", "-beta", "-dev"} << 2 << false << true
                                << false;
    QTest::newRow("-url") << QStringList{"quillmark", "-url"} << 0 << true << false << true;
    QTest::newRow("unknown words are ignored")
        << QStringList{"quillmark", "-Beta", "beta", "--dev", "-dev=1", "-url:x", "-x", ""} << 0
        << true << false << false;
    QTest::newRow("the program path is an argument too")
        << QStringList{"-dev"} << 2 << false << true << false;
}

void TestStartup::commandLineOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, releaseChannel);
    QFETCH(bool, updateHintWanted);
    QFETCH(bool, skipUpdateHint);
    QFETCH(bool, developmentServer);

    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    const Startup::StartOptions options = Startup::parseCommandLine(arguments, settings);

    QCOMPARE(options.releaseChannel, releaseChannel);
    QCOMPARE(options.updateHintWanted, updateHintWanted);
    QCOMPARE(options.skipUpdateHint, skipUpdateHint);
    QCOMPARE(options.developmentServer, developmentServer);
    QVERIFY(shellSettings().allKeys().isEmpty());
}

void TestStartup::pavoKeepsTheDefaultNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("other"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("other.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Other"));
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    const Startup::StartOptions options =
        Startup::parseCommandLine({"quillmark", "-pavo"}, settings);
    Startup::applyOptions(options);

    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("brennhof"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kelvo"));
    QCOMPARE(QCoreApplication::organizationDomain(), Globals::ORGANISATION_DOMAIN);
}

void TestStartup::updateHint_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<bool>("wanted");
    QTest::addColumn<bool>("expected");

    QTest::newRow("no entry") << QVariantMap{} << true << true;
    QTest::newRow("hidden for this version") << QVariantMap{{"2_1_0", false}} << true << false;
    QTest::newRow("shown for this version") << QVariantMap{{"2_1_0", true}} << true << true;
    QTest::newRow("other versions are ignored")
        << QVariantMap{{"2_0_0", false}, {"2_1_1", false}, {"2_1_0_1", false}} << true << true;
    QTest::newRow("only the version key matches")
        << QVariantMap{{"2_0_0", true}, {"2_1_0", false}, {"3_0_0", true}} << true << false;
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("pathRemains");
    QTest::addColumn<bool>("entryRemains");

    QTest::newRow("existing file is deleted") << "existing" << false << false;
    QTest::newRow("missing file's entry is dropped") << "missing" << false << false;
    QTest::newRow("undeletable file stays") << "undeletable" << true << true;
    QTest::newRow("empty value stays") << "empty" << false << true;
}

void TestStartup::sweep()
{
    QFETCH(QString, kind);
    QFETCH(bool, pathRemains);
    QFETCH(bool, entryRemains);

    QTemporaryDir folder(m_libraries.filePath(QStringLiteral("sweepXXXXXX")));
    QString path = folder.filePath(QStringLiteral("demo_release_1_0_0.dll"));
    QString readOnlyFolder;
    const auto writable = qScopeGuard([&readOnlyFolder] {
        if (!readOnlyFolder.isEmpty())
            QFile::setPermissions(readOnlyFolder,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (kind == QLatin1String("existing")) {
        QVERIFY(createFile(path));
    } else if (kind == QLatin1String("empty")) {
        path.clear();
    } else if (kind == QLatin1String("undeletable")) {
        readOnlyFolder = makeUndeletable(path);
        QVERIFY(QFileInfo::exists(path));
    }
    const QString otherPath = m_libraries.filePath(QStringLiteral("other_release_2_0_0.dll"));
    QVERIFY(createFile(otherPath));

    const QString entry = QStringLiteral("pluginToDelete/demo_release_1_0_0.dll");
    const QString otherEntry = QStringLiteral("pluginToDelete/other_release_2_0_0.dll");
    shellSettings().setValue(entry, path);
    shellSettings().setValue(otherEntry, otherPath);

    PendingDeletions::sweep();

    QCOMPARE(!path.isEmpty() && QFileInfo::exists(path), pathRemains);
    QCOMPARE(shellSettings().contains(entry), entryRemains);
    if (entryRemains)
        QCOMPARE(shellSettings().value(entry).toString(), path);
    // One entry's outcome never stops the sweep of the others.
    QVERIFY(!QFileInfo::exists(otherPath));
    QVERIFY(!shellSettings().contains(otherEntry));
}

void TestStartup::cancelledDeletionKeepsANewLibrary()
{
    const QString path = m_libraries.filePath(QStringLiteral("demo_release_1_0_0.dll"));
    PendingDeletions::schedule(QStringLiteral("demo_release_1_0_0.dll"), path);
    QVERIFY(createFile(path));
    PendingDeletions::cancel(QStringLiteral("demo_release_1_0_0.dll"));

    PendingDeletions::sweep();

    QVERIFY(QFileInfo::exists(path));
    QVERIFY(shellSettings().allKeys().isEmpty());
}

void TestStartup::versionKey_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("key");

    QTest::newRow("this version") << Globals::VERSION_NUMBER << "2_1_0";
    QTest::newRow("two-digit parts") << "10.0.12"
                                     << "10_0_12";
    QTest::newRow("no dots") << "7"
                             << "7";
}

void TestStartup::versionKey()
{
    QFETCH(QString, version);
    QFETCH(QString, key);
    QCOMPARE(Globals::versionKey(version), key);
}

void TestStartup::serverUrlComesFromTheEnvironment()
{
    QCOMPARE(Globals::serverBaseUrl(), QStringLiteral("http://127.0.0.1:5999/quillmark/"));
    QCOMPARE(Globals::storageUrl(),
             QStringLiteral("http://127.0.0.1:5999/quillmark/storage/kelvo/"));
}

void TestStartup::dataFolderIsCreatedOnDemand()
{
    const QString path = Globals::appDataPath();
    QVERIFY(path.startsWith(m_environment.root()));
    QVERIFY(path.endsWith(QStringLiteral("/brennhof/Kelvo")));
    QVERIFY(QDir(path).removeRecursively());
    QVERIFY(!QFileInfo::exists(path));

    QCOMPARE(Globals::appDataPath(), path);
    QVERIFY(QFileInfo(path).isDir());
}

void TestStartup::messagePattern()
{
    const QString expected =
        QStringLiteral(
            "\\e[32m%{time h:mm:ss.zzz} %{if-category}\\e[32m  %{category}:%{endif} "
            "%{if-debug}\\e[34m> %{function}%{endif}%{if-warning}\\e[33m- %{function}%{endif} "
            "%{if-critical}\\e[31m! %{function}%{endif}%{if-fatal}\\e[31mx %{function}%{endif}"
            "\\e[0m %{message}")
            .replace(QStringLiteral("\\e"), QChar(27));
    QCOMPARE(QString::fromLatin1(Startup::MESSAGE_PATTERN), expected);
}

void TestStartup::messagePatternColoursEachLevel_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("marker");

    QTest::newRow("debug") << int(QtDebugMsg) << " \x1b[34m> load \x1b[0m text";
    QTest::newRow("info") << int(QtInfoMsg) << "  \x1b[0m text";
    QTest::newRow("warning") << int(QtWarningMsg) << " \x1b[33m- load \x1b[0m text";
    QTest::newRow("critical") << int(QtCriticalMsg) << "  \x1b[31m! load\x1b[0m text";
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

void TestStartup::urlOptionSelectsTheDevelopmentServer()
{
    QSettings settings(Globals::ORGANISATION_NAME, Globals::APPLICATION_NAME);
    Startup::applyOptions(Startup::parseCommandLine({"quillmark", "-url"}, settings));

    QString expected = QStringLiteral(QUILLMARK_DEV_SERVER_URL);
    if (!expected.endsWith(QLatin1Char('/')))
        expected += QLatin1Char('/');
    QCOMPARE(Globals::serverBaseUrl(), expected);
    QCOMPARE(Globals::storageUrl(), expected + QStringLiteral("storage/kelvo/"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
