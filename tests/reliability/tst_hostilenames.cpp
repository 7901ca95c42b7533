#include "bundlemanager.h"
#include "globals.h"
#include "kelvo.h"
#include "managerconnections.h"
#include "namecheck.h"
#include "productmanager.h"
#include "storagefixture.h"
#include "testenvironment.h"
#include "testhttpserver.h"
#include "translator.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace StorageFixture;

namespace {

constexpr int NAMES = 1000;
constexpr int FILES_PER_LIST = 8;
constexpr int LISTED_PLUGINS = NAMES / FILES_PER_LIST;
constexpr int TRANSLATED_PLUGINS = 20;
constexpr int INFO_VERSIONS = NAMES / 5;
constexpr int UPDATE_ROUNDS = 5;

// Pieces that have led programs astray: traversal, separators of every platform, encodings
// that a URL layer decodes, control characters, characters that only look like dots and
// slashes, device names, and names longer than any file system allows.
QStringList hostilePieces()
{
    return {QStringLiteral(".."),       QStringLiteral("."),       QStringLiteral("/"),
            QStringLiteral("\\"),       QStringLiteral("%2e%2e"),  QStringLiteral("%2f"),
            QStringLiteral("%5C"),      QStringLiteral("%00"),     QString(QChar(0)),
            QStringLiteral("\r\n"),     QStringLiteral("\u2024"),  QStringLiteral("\u2215"),
            QStringLiteral("\uFF0E"),   QStringLiteral("\uFF0F"),  QStringLiteral("\u2044"),
            QStringLiteral("\u29F8"),   QStringLiteral("\u202E"),  QStringLiteral("\uFEFF"),
            QStringLiteral("CON"),      QStringLiteral("nul.txt"), QStringLiteral("COM1"),
            QStringLiteral("LPT9.dll"), QStringLiteral("aux"),     QStringLiteral(" "),
            QStringLiteral("~"),        QStringLiteral(":"),       QStringLiteral("*"),
            QStringLiteral("?"),        QStringLiteral("<>"),      QStringLiteral("|"),
            QStringLiteral("\""),       QStringLiteral("#"),       QStringLiteral("C:"),
            QStringLiteral("/etc"),     QStringLiteral("a"),       QStringLiteral("Vent"),
            QStringLiteral(".bin"),     QStringLiteral("1"),       QString(300, QLatin1Char('x'))};
}

// Deterministic, so that a failure can be replayed.
QStringList generateNames(int count, quint32 seed)
{
    const QStringList pieces = hostilePieces();
    QRandomGenerator random(seed);
    QStringList names = pieces;
    while (names.size() < count) {
        QString name;
        const int length = 1 + random.bounded(6);
        for (int piece = 0; piece < length; ++piece)
            name += pieces.at(random.bounded(int(pieces.size())));
        names << name;
    }
    return names.mid(0, count);
}

// Every path below `root` except those inside the data folder, with its content.
QMap<QString, QByteArray> outsideData(const QString& root, const QString& data)
{
    QMap<QString, QByteArray> entries = snapshot(root);
    const QString inside = QDir(root).relativeFilePath(data) + QLatin1Char('/');
    for (auto it = entries.begin(); it != entries.end();) {
        const bool own = it.key().startsWith(inside) || it.key() == "work/statusLogger.txt";
        it = own ? entries.erase(it) : std::next(it);
    }
    return entries;
}

bool fitsFileSystem(const QString& name)
{
    return QFile::encodeName(name).size() < 200;
}

// Entries of another channel are checked all the same, but fetch no lists.
QJsonObject catalogueEntry(const QString& name, const QString& version,
                           const QString& state = QStringLiteral("beta"))
{
    return {{"appId", "7"},
            {"name", name},
            {"version", version},
            {"state", state},
            {"relDate", "01.02.2024"}};
}

} // namespace

// Generated names from the server in every place where a name becomes part of a path:
// nothing is ever written, renamed or deleted outside the data folder, every name that is
// refused gives a status line, and every plain name is stored where it belongs.
class TestHostileNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void catalogueAndLists();
    void libraryInfoVersions();
    void translationNames();
    void updateFileNames();
    void cleanup();

private:
    int statusLines() const;

    TestEnvironment m_environment;
    TestHttpServer m_server;
    QQmlEngine m_engine;
    Kelvo* m_kelvo = nullptr;
    Translator* m_translator = nullptr;
    ProductManager* const m_products = ProductManager::instance();
    const QStringList m_names = generateNames(NAMES, 19);
    QMap<QString, QByteArray> m_outsideBefore;
};

void TestHostileNames::initTestCase()
{
    qputenv("QUILLMARK_SERVER_URL", m_server.baseUrl().toUtf8());
    m_kelvo = new Kelvo(this);
    m_kelvo->setRootContext(m_engine.rootContext());
    m_kelvo->createMessageModels();
    m_translator = new Translator(&m_engine, m_engine.rootContext());
    m_translator->setParent(this);
    ManagerConnections::connectToController(m_kelvo, m_products, BundleManager::instance(),
                                            m_translator);
    QCOMPARE(m_names.size(), NAMES);
}

void TestHostileNames::init()
{
    m_environment.clear();
    serve(m_server);
    seedDataFolder();
    m_outsideBefore = outsideData(m_environment.root(), m_environment.appDataPath());
}

// Nothing changed outside the data folder, and no name broke or disguised a status line.
void TestHostileNames::cleanup()
{
    QCOMPARE(outsideData(m_environment.root(), m_environment.appDataPath()), m_outsideBefore);
    const auto* lines = m_engine.rootContext()
                            ->contextProperty(QStringLiteral("messageModel"))
                            .value<QAbstractItemModel*>();
    for (int row = 0; row < lines->rowCount(); ++row) {
        const QString line = lines->index(row, 0).data(Qt::UserRole + 1).toString();
        for (const QChar character : line) {
            const QChar::Category category = character.category();
            QVERIFY2(category != QChar::Other_Control && category != QChar::Other_Format &&
                         category != QChar::Separator_Line &&
                         category != QChar::Separator_Paragraph,
                     qPrintable(line));
        }
    }
}

int TestHostileNames::statusLines() const
{
    return m_engine.rootContext()
        ->contextProperty(QStringLiteral("messageModel"))
        .value<QAbstractItemModel*>()
        ->rowCount();
}

// Names and versions of catalogue entries, and folder and file names of the lists of the
// plug-ins that pass. What is expected follows from the documents as the shell reads them.
void TestHostileNames::catalogueAndLists()
{
    QJsonArray entries;
    for (const QString& name : m_names)
        entries << catalogueEntry(name, "1.0.0") << catalogueEntry("V", name);
    QStringList expectedFiles;
    int refusedListNames = 0;
    for (int plugin = 0; plugin < LISTED_PLUGINS; ++plugin) {
        const QString pluginName = QStringLiteral("P%1").arg(plugin);
        entries << catalogueEntry(pluginName, "1.0.0", "release");
        // Every other list keeps its files in a folder of a hostile name.
        QJsonArray list{plugin % 2 ? m_names.at(plugin) : pluginName};
        for (int file = 0; file < FILES_PER_LIST; ++file)
            list << m_names.at(plugin * FILES_PER_LIST + file);
        const bool instructions = plugin % 3 == 0;
        const QString word = instructions ? "assembly_instructions" : "firmwares";
        const QString listName = instructions ? "assembly_instructions.info" : "firmware.info";
        const QByteArray document = QJsonDocument(list).toJson();
        m_server.setFile(STORAGE + pluginName + '/' + word + '/' + listName, document);
        const QJsonArray delivered = QJsonDocument::fromJson(document).array();
        const QString folder = delivered.at(0).toString();
        if (!NameCheck::isPlainFileName(folder)) {
            ++refusedListNames;
            continue;
        }
        for (int file = 1; file < delivered.size(); ++file) {
            const QString fileName = delivered.at(file).toString();
            m_server.setFile(STORAGE + folder + '/' + word + '/' + fileName, "listed file");
            if (!NameCheck::isPlainFileName(fileName))
                ++refusedListNames;
            else if (fitsFileSystem(folder + fileName))
                expectedFiles << word + '/' + folder + '/' + fileName;
        }
    }
    const QByteArray catalogue = QJsonDocument(QJsonObject{{"plugins", entries}}).toJson();
    int refusedEntries = 0;
    for (const QJsonValue& entry : QJsonDocument::fromJson(catalogue)["plugins"].toArray()) {
        refusedEntries += int(!NameCheck::isPlainFileName(entry["name"].toString()) ||
                              !NameCheck::isVersionName(entry["version"].toString()));
    }
    m_server.setFile(STORAGE + "plugins.info", catalogue);
    QSignalSpy refusedEntry(m_products, &ProductManager::catalogueEntryRejected);
    QSignalSpy refusedFile(m_products, &ProductManager::additionalFileRejected);
    const int linesBefore = statusLines();

    m_products->loadPlugins(false);
    QTRY_COMPARE(refusedEntry.count(), refusedEntries);
    QTRY_COMPARE_WITH_TIMEOUT(refusedFile.count(), refusedListNames, 20000);
    const QString data = m_environment.appDataPath() + '/';
    for (const QString& file : std::as_const(expectedFiles))
        QTRY_VERIFY2(QFileInfo(data + file).isFile(), qPrintable(file));
    QVERIFY(statusLines() - linesBefore >= refusedEntries + refusedListNames);
}

// Versions of library info documents become info file names.
void TestHostileNames::libraryInfoVersions()
{
    m_products->setCurrentReleaseState(Product::RELEASE);
    m_products->loadPlugins(true);
    QSignalSpy finished(m_products, &ProductManager::downloadFinished);
    QSignalSpy failed(m_products, &ProductManager::downloadFailed);
    for (int index = 0; index < INFO_VERSIONS; ++index) {
        const QByteArray document = QJsonDocument(QJsonObject{{"appId", "5"},
                                                              {"version", m_names.at(index * 5)},
                                                              {"state", "release"},
                                                              {"relDate", "01.02.2024"}})
                                        .toJson();
        m_server.setFile(VERSION_FOLDER + "Vent.info", document);
        const QString version = QJsonDocument::fromJson(document)["version"].toString();
        const int ended = finished.count() + failed.count();
        m_products->downloadPlugin(APP_ID, true);
        QTRY_COMPARE(finished.count() + failed.count(), ended + 1);
        const QString infoFile =
            "infos/Vent_" + QString(version).replace('.', '_') + "_release.info";
        if (!NameCheck::isVersionName(version))
            QVERIFY2(failed.last().first().toString().contains("unusable"), qPrintable(version));
        else if (fitsFileSystem(infoFile))
            QVERIFY2(QFileInfo(m_environment.appDataPath() + '/' + infoFile).isFile(),
                     qPrintable(version));
        // Each round starts from the earlier installation again.
        m_environment.clear();
        seedDataFolder();
        m_products->loadPlugins(true);
    }
}

// Plug-in names of the translation download become URLs and file names.
void TestHostileNames::translationNames()
{
    QJsonArray names;
    for (int index = 0; index < TRANSLATED_PLUGINS; ++index) {
        const QString name = m_names.at(index * 37 % NAMES);
        names << name;
        m_server.setFile(STORAGE + name + "/translations/" + name + "_en.qm", "catalogue");
    }
    m_server.setFile("/getPluginNames.php", QJsonDocument(names).toJson());
    bool finished = false;
    m_translator->downloadTranslations(6, this, [&finished] { finished = true; });
    QTRY_VERIFY_WITH_TIMEOUT(finished, 30000);
}

// The paths of the update's files are the server's choice.
void TestHostileNames::updateFileNames()
{
    BundleManager* bundle = BundleManager::instance();
    QSignalSpy changelog(bundle, &BundleManager::changeLogAvailable);
    QSignalSpy ready(bundle, &BundleManager::updateReady);
    QSignalSpy errors(bundle, &BundleManager::errorOccured);
    for (int round = 0; round < UPDATE_ROUNDS; ++round) {
        QJsonObject paths;
        for (const char* key : {"download-url", "download-dll", "extension-dll", "extension2-dll"})
            paths.insert(key, m_names.at((round * 4 + paths.size()) * 11 % NAMES));
        m_server.setFile(
            STORAGE + "changelog.json",
            QJsonDocument(QJsonObject{{"BhZipper", QJsonObject{{"windows", paths}}}}).toJson());
        bundle->downloadChangelog();
        QVERIFY(changelog.wait());
        const int ended = ready.count() + errors.count();
        bundle->downloadUpdate();
        QTRY_COMPARE(ready.count() + errors.count(), ended + 1);
    }
}

QTEST_MAIN(TestHostileNames)
#include "tst_hostilenames.moc"
