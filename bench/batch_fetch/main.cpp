// Fetches a few hundred small files from the project's storage server, once with one batch
// of the shell's request handler and once with one curl process running parallel transfers, and
// prints the times.

#include "fetchruns.h"
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
    int runs = 5;
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
                                  QStringLiteral("Runs of each kind (default 5)."),
                                  QStringLiteral("count"), QStringLiteral("5"));
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

// Writes the files below `root` and returns their URLs under `baseUrl`.
std::optional<QStringList> createFiles(const QString& root, const QString& baseUrl,
                                       const BenchOptions& options)
{
    const QDir folder(QDir(root).filePath(FILES_FOLDER));
    if (!QDir().mkpath(folder.path()))
        return std::nullopt;
    QStringList urls;
    for (int i = 0; i < options.files; ++i) {
        const QString name = QStringLiteral("file_%1.bin").arg(i, 4, 10, QLatin1Char('0'));
        QByteArray content(options.fileSize, '\0');
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(content.data()),
                                              options.fileSize / sizeof(quint32));
        QSaveFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
            !file.commit())
            return std::nullopt;
        urls << baseUrl + FILES_FOLDER + QLatin1Char('/') + name;
    }
    return urls;
}

bool writeCurlConfig(const QString& path, const QStringList& urls)
{
    QSaveFile file(path);
    const QStringList outputs(urls.size(), QStringLiteral("/dev/null"));
    const QByteArray config = curlConfig(urls, outputs);
    return file.open(QIODevice::WriteOnly) && file.write(config) == config.size() && file.commit();
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}

int fail(const QString& message)
{
    QTextStream(stderr) << "bench_batch_fetch: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::optional<BenchOptions> options = parseOptions(application);
    if (!options)
        return 1;

    QTemporaryDir root;
    StorageServerProcess server;
    if (!root.isValid())
        return fail(QStringLiteral("cannot create a temporary folder"));
    if (!server.start(options->server, root.path()))
        return fail(server.errorText());
    const std::optional<QStringList> urls = createFiles(root.path(), server.baseUrl(), *options);
    const QString curlConfigFile = root.filePath(QStringLiteral("curl.config"));
    if (!urls || !writeCurlConfig(curlConfigFile, *urls))
        return fail(QStringLiteral("cannot write the files into %1").arg(root.path()));

    out() << "storage server: " << options->server << "\n"
          << options->files << " files of " << options->fileSize << " bytes, " << options->runs
          << " runs\n";
    QList<double> handlerTimes;
    QList<double> curlTimes;
    QList<double> handlerCpu;
    QList<double> curlCpu;
    int failures = 0;
    for (int run = 1; run <= options->runs; ++run) {
        const FetchResult handler = fetchWithHandler(*urls, options->fileSize);
        const FetchResult curl = fetchWithCurl(curlConfigFile, CURL_PARALLEL);
        handlerTimes << handler.milliseconds;
        curlTimes << curl.milliseconds;
        handlerCpu << handler.cpuMilliseconds;
        curlCpu << curl.cpuMilliseconds;
        failures += handler.failures + curl.failures;
        out() << QStringLiteral("run %1: HttpRequestHandler %2 ms (cpu %3 ms, %4 failed), "
                                "curl %5 ms (cpu %6 ms)%7\n")
                     .arg(run)
                     .arg(handler.milliseconds, 0, 'f', 1)
                     .arg(handler.cpuMilliseconds, 0, 'f', 1)
                     .arg(handler.failures)
                     .arg(curl.milliseconds, 0, 'f', 1)
                     .arg(curl.cpuMilliseconds, 0, 'f', 1)
                     .arg(curl.failures ? QStringLiteral(" (failed)") : QString());
    }

    const double handlerMedian = median(handlerTimes);
    const double curlMedian = median(curlTimes);
    out() << QStringLiteral("median HttpRequestHandler: %1 ms\n").arg(handlerMedian, 0, 'f', 1)
          << QStringLiteral("median curl, %1 in parallel: %2 ms\n")
                 .arg(CURL_PARALLEL)
                 .arg(curlMedian, 0, 'f', 1)
          << QStringLiteral("ratio HttpRequestHandler / curl: %1\n")
                 .arg(handlerMedian / curlMedian, 0, 'f', 2)
          << QStringLiteral("median processor time: HttpRequestHandler %1 ms, curl %2 ms, "
                            "ratio %3\n")
                 .arg(median(handlerCpu), 0, 'f', 1)
                 .arg(median(curlCpu), 0, 'f', 1)
                 .arg(median(handlerCpu) / median(curlCpu), 0, 'f', 2)
          << Qt::flush;
    return failures ? fail(QStringLiteral("%1 fetches failed; the figures are not comparable")
                               .arg(failures))
                    : 0;
}
