// Fetches a few hundred small files, once with one batch of the shell's request handler and
// once with one curl process running parallel transfers, and prints the times: over plain HTTP
// from the project's storage server, then over HTTPS with HTTP/2 from nginx.

#include "fetchruns.h"
#include "nginxserver.h"
#include "storageserverprocess.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <optional>

namespace {

const QString FILES_FOLDER = QStringLiteral("storage/kelvo/bench");
// As many connections as Qt opens to one host.
constexpr int CURL_PARALLEL = 6;

struct BenchOptions
{
    QString server;
    int files = 400;
    int fileSize = 2048;
    int runs = 7;
};

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

std::optional<BenchOptions> parseOptions(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times one request-handler batch against one parallel curl process on the "
                       "storage server."));
    parser.addHelpOption();
    const QCommandLineOption server(QStringLiteral("server"),
                                    QStringLiteral("Path of quillmark-storage-server."),
                                    QStringLiteral("path"));
    const QCommandLineOption files(QStringLiteral("files"),
                                   QStringLiteral("Number of files (default 400)."),
                                   QStringLiteral("count"), QStringLiteral("400"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("Bytes per file (default 2048)."),
                                  QStringLiteral("bytes"), QStringLiteral("2048"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Runs of each kind (default 7)."),
                                  QStringLiteral("count"), QStringLiteral("7"));
    parser.addOptions({server, files, size, runs});
    parser.process(application);

    BenchOptions options;
    options.server = StorageServerProcess::locate(parser.value(server));
    options.files = parser.value(files).toInt();
    options.fileSize = parser.value(size).toInt();
    options.runs = parser.value(runs).toInt();
    if (options.files < 1 || options.fileSize < 1 || options.runs < 1) {
        QTextStream(stderr) << "--files, --size and --runs must be positive numbers\n";
        return std::nullopt;
    }
    return options;
}

// Writes the files below `root` and returns their paths below it.
std::optional<QStringList> createFiles(const QString& root, const BenchOptions& options)
{
    const QDir folder(QDir(root).filePath(FILES_FOLDER));
    if (!QDir().mkpath(folder.path()))
        return std::nullopt;
    QStringList paths;
    for (int i = 0; i < options.files; ++i) {
        const QString name = QStringLiteral("file_%1.bin").arg(i, 4, 10, QLatin1Char('0'));
        QByteArray content(options.fileSize, '\0');
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(content.data()),
                                              options.fileSize / sizeof(quint32));
        QSaveFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
            !file.commit())
            return std::nullopt;
        paths << FILES_FOLDER + QLatin1Char('/') + name;
    }
    return paths;
}

bool writeCurlConfig(const QString& path, const QStringList& urls)
{
    QSaveFile file(path);
    const QStringList outputs(urls.size(), QStringLiteral("/dev/null"));
    const QByteArray config = curlConfig(urls, outputs);
    return file.open(QIODevice::WriteOnly) && file.write(config) == config.size() && file.commit();
}

int fail(const QString& message)
{
    QTextStream(stderr) << "bench_batch_fetch: " << message << Qt::endl;
    return 1;
}

// Runs both fetches of every file below `baseUrl` and prints each run.
Series runSeries(const QString& baseUrl, const QStringList& paths, const QString& workFolder,
                 const BenchOptions& options, const QString& caFile = QString())
{
    Series series;
    QStringList urls;
    for (const QString& path : paths)
        urls << baseUrl + path;
    const QString curlConfigFile = workFolder + QStringLiteral("/curl.config");
    if (!writeCurlConfig(curlConfigFile, urls)) {
        series.failures = 1;
        return series;
    }
    for (int run = 1; run <= options.runs; ++run) {
        const FetchResult handler = fetchWithHandler(urls, options.fileSize);
        const FetchResult curl = fetchWithCurl(curlConfigFile, CURL_PARALLEL, caFile);
        series.add(handler, curl);
        out() << QStringLiteral("run %1: HttpRequestHandler %2 ms (cpu %3 ms, %4 failed), "
                                "curl %5 ms (cpu %6 ms)%7\n")
                     .arg(run)
                     .arg(handler.milliseconds, 0, 'f', 1)
                     .arg(handler.cpuMilliseconds, 0, 'f', 1)
                     .arg(handler.failures)
                     .arg(curl.milliseconds, 0, 'f', 1)
                     .arg(curl.cpuMilliseconds, 0, 'f', 1)
                     .arg(curl.failures ? QStringLiteral(" (failed)") : QString())
              << Qt::flush;
    }
    return series;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::optional<BenchOptions> options = parseOptions(application);
    if (!options)
        return 1;

    QTemporaryDir root;
    QTemporaryDir work;
    StorageServerProcess server;
    if (!root.isValid() || !work.isValid())
        return fail(QStringLiteral("cannot create a temporary folder"));
    // The handler trusts the test authority from its first request on.
    const QString caFile = NginxServer::authorityFile();
    qputenv("QUILLMARK_CA_FILE", caFile.toLocal8Bit());
    const std::optional<QStringList> paths = createFiles(root.path(), *options);
    if (!paths)
        return fail(QStringLiteral("cannot write the files into %1").arg(root.path()));
    if (!server.start(options->server, root.path()))
        return fail(server.errorText());

    out() << "storage server: " << options->server << "\n"
          << options->files << " files of " << options->fileSize << " bytes, " << options->runs
          << " runs\n"
          << "plain HTTP/1.1, storage server, curl " << CURL_PARALLEL << " in parallel:\n"
          << Qt::flush;
    const Series plain = runSeries(server.baseUrl(), *paths, work.path(), *options);

    Series secure;
    const QString unavailable = NginxServer::unavailableReason();
    NginxServer nginx;
    if (!unavailable.isEmpty() || caFile.isEmpty()) {
        out() << "HTTPS not measured: "
              << (unavailable.isEmpty() ? "no test authority" : unavailable) << "\n";
    } else if (!nginx.start(root.path())) {
        return fail(nginx.errorText());
    } else {
        out() << "HTTPS with HTTP/2, nginx, curl -Z multiplexing:\n" << Qt::flush;
        secure = runSeries(nginx.baseUrl(), *paths, work.path(), *options, caFile);
    }

    out() << plain.summary(QStringLiteral("plain HTTP"), QStringLiteral("HttpRequestHandler"));
    if (!secure.ourTimes.isEmpty())
        out() << secure.summary(QStringLiteral("HTTPS/2"), QStringLiteral("HttpRequestHandler"));
    out() << Qt::flush;
    const int failures = plain.failures + secure.failures;
    return failures ? fail(QStringLiteral("%1 fetches failed; the figures are not comparable")
                               .arg(failures))
                    : 0;
}
