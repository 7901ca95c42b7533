// Times the translation download at start, as the shell runs it: the names list, then
// 19 x (1 + names) translation files stored into the local translation folder. Next to it, one
// curl process fetches the same files into a folder of its own with parallel transfers, in the
// same run: over plain HTTP from the project's storage server, then over HTTPS with HTTP/2 from
// nginx serving the same tree.

#include "fetchruns.h"
#include "globals.h"
#include "nginxserver.h"
#include "storageserverprocess.h"
#include "translator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QQmlEngine>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <optional>

namespace {

// As many connections as Qt opens to one host.
constexpr int CURL_PARALLEL = 6;

struct BenchOptions
{
    QString server;
    int names = 20;
    int fileSize = 2048;
    int runs = 7;
    // Only the HTTPS part, in a process of its own (see main()).
    bool httpsPart = false;
};

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

std::optional<BenchOptions> parseOptions(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times the translation download at start against one parallel curl process."));
    parser.addHelpOption();
    const QCommandLineOption server(QStringLiteral("server"),
                                    QStringLiteral("Path of quillmark-storage-server."),
                                    QStringLiteral("path"));
    const QCommandLineOption names(QStringLiteral("names"),
                                   QStringLiteral("Plug-in names with translations (default 20)."),
                                   QStringLiteral("count"), QStringLiteral("20"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Bytes per translation file (default 2048)."),
                                  QStringLiteral("bytes"), QStringLiteral("2048"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Runs of each kind (default 7)."),
                                  QStringLiteral("count"), QStringLiteral("7"));
    const QCommandLineOption httpsPart(
        QStringLiteral("https-part"),
        QStringLiteral("Only the HTTPS part; the bench starts itself so for it."));
    parser.addOptions({server, names, size, runs, httpsPart});
    parser.process(application);

    BenchOptions options;
    options.server = StorageServerProcess::locate(parser.value(server));
    options.names = parser.value(names).toInt();
    options.fileSize = parser.value(size).toInt();
    options.runs = parser.value(runs).toInt();
    options.httpsPart = parser.isSet(httpsPart);
    if (options.names < 0 || options.fileSize < 1 || options.runs < 1) {
        QTextStream(stderr) << "--names, --size and --runs must be positive numbers\n";
        return std::nullopt;
    }
    return options;
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit();
}

// Lays out the storage tree and returns the translation file paths below the storage
// folder, in the order the shell asks for them.
std::optional<QStringList> createStorage(const QString& root, const BenchOptions& options)
{
    QStringList names;
    for (int i = 1; i <= options.names; ++i)
        names << QStringLiteral("plugin%1").arg(i, 2, 10, QLatin1Char('0'));
    QStringList paths;
    for (const QString& code : Translator::languageCodes()) {
        paths << QStringLiteral("translations/qmk_%1.qm").arg(code);
        for (const QString& name : std::as_const(names))
            paths << QStringLiteral("%1/translations/%1_%2.qm").arg(name, code);
    }
    QByteArray content(options.fileSize, '\0');
    for (const QString& path : std::as_const(paths)) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(content.data()),
                                              options.fileSize / sizeof(quint32));
        if (!writeFile(root + QStringLiteral("/storage/kelvo/") + path, content))
            return std::nullopt;
    }
    return paths;
}

int storedFiles(const QString& folder)
{
    return static_cast<int>(QDir(folder).entryList(QDir::Files).size());
}

// One download as the shell runs it at start, into an empty translation folder.
FetchResult downloadWithTranslator(QQmlEngine& engine, int expectedFiles)
{
    const QString folder = Globals::appDataPath() + QStringLiteral("/translations");
    QDir(folder).removeRecursively();
    FetchResult result;
    Translator translator(&engine, engine.rootContext());
    int failures = 0;
    QObject::connect(&translator, &Translator::downloadFailed, [&failures] { ++failures; });
    bool finished = false;
    QObject receiver;
    const double cpuBefore = ownCpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    translator.downloadTranslations(Globals::KELVO_APP_ID, &receiver,
                                    [&finished] { finished = true; });
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    result.milliseconds = timer.nsecsElapsed() / 1e6;
    result.cpuMilliseconds = ownCpuMilliseconds() - cpuBefore;
    result.failures = failures + qAbs(storedFiles(folder) - expectedFiles);
    return result;
}

int fail(const QString& message)
{
    QTextStream(stderr) << "bench_translation_download: " << message << Qt::endl;
    return 1;
}

// The shell's settings and data go into the temporary folder, never the user's.
void isolate(const QString& root)
{
    qputenv("HOME", (root + QStringLiteral("/home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/home/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/home/.local/share")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(Globals::ORGANISATION_NAME);
    QCoreApplication::setApplicationName(Globals::APPLICATION_NAME);
    QSettings().setValue(Globals::LANGUAGE_KEY, QStringLiteral("en"));
}

// Runs the shell's download and curl's against the server at `baseUrl` and prints each run.
Series runSeries(const QString& baseUrl, const QStringList& paths, const QString& workFolder,
                 const BenchOptions& options, QQmlEngine& engine, const QString& caFile = QString())
{
    qputenv("QUILLMARK_SERVER_URL", baseUrl.toUtf8());
    Series series;
    const QString curlFolder = workFolder + QStringLiteral("/curl");
    QStringList urls;
    QStringList outputs;
    for (const QString& path : paths) {
        // The shell's own files are asked for with two slashes after "kelvo".
        urls << Globals::storageUrl() + (path.startsWith(QLatin1String("translations/"))
                                             ? QLatin1Char('/') + path
                                             : path);
        outputs << curlFolder + QLatin1Char('/') + QFileInfo(path).fileName();
    }
    const QString curlConfigFile = workFolder + QStringLiteral("/curl.config");
    if (!writeFile(curlConfigFile, curlConfig(urls, outputs))) {
        series.failures = 1;
        return series;
    }
    for (int run = 1; run <= options.runs; ++run) {
        const FetchResult translator = downloadWithTranslator(engine, paths.size());
        QDir(curlFolder).removeRecursively();
        QDir().mkpath(curlFolder);
        FetchResult curl = fetchWithCurl(curlConfigFile, CURL_PARALLEL, caFile);
        curl.failures += qAbs(storedFiles(curlFolder) - static_cast<int>(paths.size()));
        series.add(translator, curl);
        out() << QStringLiteral("run %1: Translator %2 ms (cpu %3 ms, %4 failed), "
                                "curl %5 ms (cpu %6 ms)%7\n")
                     .arg(run)
                     .arg(translator.milliseconds, 0, 'f', 1)
                     .arg(translator.cpuMilliseconds, 0, 'f', 1)
                     .arg(translator.failures)
                     .arg(curl.milliseconds, 0, 'f', 1)
                     .arg(curl.cpuMilliseconds, 0, 'f', 1)
                     .arg(curl.failures ? QStringLiteral(" (failed)") : QString())
              << Qt::flush;
    }
    return series;
}

// The HTTPS part: nginx serving the same tree, trusted through the test authority.
Series runHttpsPart(const QString& root, const QStringList& paths, const BenchOptions& options,
                    QQmlEngine& engine)
{
    Series series;
    const QString caFile = NginxServer::authorityFile();
    const QString unavailable = NginxServer::unavailableReason();
    NginxServer nginx;
    if (!unavailable.isEmpty() || caFile.isEmpty()) {
        out() << "HTTPS not measured: "
              << (unavailable.isEmpty() ? "no test authority" : unavailable) << "\n";
        return series;
    }
    qputenv("QUILLMARK_CA_FILE", caFile.toLocal8Bit());
    if (!nginx.start(root)) {
        fail(nginx.errorText());
        series.failures = 1;
        return series;
    }
    out() << "HTTPS with HTTP/2, nginx (static names list), curl -Z multiplexing:\n" << Qt::flush;
    series =
        runSeries(nginx.baseUrl(), paths, root + QStringLiteral("/work"), options, engine, caFile);
    out() << series.summary(QStringLiteral("HTTPS/2"), QStringLiteral("Translator")) << Qt::flush;
    return series;
}

// This program once more with --https-part, its output passed on; whether it succeeded.
bool runHttpsPartInChild(const BenchOptions& options)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--https-part"), QStringLiteral("--server"), options.server,
                 QStringLiteral("--names"), QString::number(options.names),
                 QStringLiteral("--size"), QString::number(options.fileSize),
                 QStringLiteral("--runs"), QString::number(options.runs)});
    return child.waitForFinished(-1) && child.exitStatus() == QProcess::NormalExit &&
           child.exitCode() == 0;
}

} // namespace

// The shell reads its server address once per process, so the HTTPS part, which needs another
// address, runs in a second process of this program, right after the plain part.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::optional<BenchOptions> options = parseOptions(application);
    if (!options)
        return 1;

    QTemporaryDir root;
    if (!root.isValid())
        return fail(QStringLiteral("cannot create a temporary folder"));
    isolate(root.path());
    const std::optional<QStringList> paths = createStorage(root.path(), *options);
    if (!paths)
        return fail(QStringLiteral("cannot write the storage tree into %1").arg(root.path()));
    QQmlEngine engine;
    if (options->httpsPart)
        return runHttpsPart(root.path(), *paths, *options, engine).failures ? 1 : 0;

    StorageServerProcess server;
    if (!server.start(options->server, root.path()))
        return fail(server.errorText());
    out() << "storage server: " << options->server << "\n"
          << options->names << " plug-in names, " << paths->size() << " files of "
          << options->fileSize << " bytes, " << options->runs << " runs\n"
          << "plain HTTP/1.1, storage server, curl " << CURL_PARALLEL << " in parallel:\n"
          << Qt::flush;
    const Series plain = runSeries(server.baseUrl(), *paths, root.filePath(QStringLiteral("work")),
                                   *options, engine);
    out() << plain.summary(QStringLiteral("plain HTTP"), QStringLiteral("Translator")) << Qt::flush;
    const bool httpsSucceeded = runHttpsPartInChild(*options);
    if (plain.failures)
        return fail(QStringLiteral("%1 downloads failed; the figures are not comparable")
                        .arg(plain.failures));
    return httpsSucceeded ? 0 : 1;
}
