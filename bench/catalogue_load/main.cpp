// Times a catalogue load from the stored copy with many plug-ins and info files, next to the
// time it takes merely to read and parse the same files once.

#include "globals.h"
#include "productmanager.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <optional>

namespace {

struct BenchOptions
{
    int entries = 1000;
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
        QStringLiteral("Times loadPlugins(true) against reading and parsing the same files."));
    parser.addHelpOption();
    const QCommandLineOption entries(QStringLiteral("entries"),
                                     QStringLiteral("Catalogue entries and info files (default "
                                                    "1000)."),
                                     QStringLiteral("count"), QStringLiteral("1000"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Runs of each kind (default 7)."),
                                  QStringLiteral("count"), QStringLiteral("7"));
    parser.addOptions({entries, runs});
    parser.process(application);
    const BenchOptions options{parser.value(entries).toInt(), parser.value(runs).toInt()};
    if (options.entries < 1 || options.runs < 1) {
        QTextStream(stderr) << "--entries and --runs must be positive numbers\n";
        return std::nullopt;
    }
    return options;
}

// Everything the shell writes lands below `home`, as in the tests.
void isolate(const QString& home)
{
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(Globals::ORGANISATION_NAME);
    QCoreApplication::setApplicationName(Globals::APPLICATION_NAME);
}

bool writeFile(const QString& path, const QJsonDocument& document)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(document.toJson(QJsonDocument::Indented)) > 0;
}

// One release entry per plug-in; every plug-in has an info file, every third of them an
// older version, so that both the installed check and the update check find work.
bool createStorage(const QString& dataPath, int entries)
{
    const QString infos = dataPath + QStringLiteral("/infos/");
    if (!QDir().mkpath(infos))
        return false;
    QJsonArray plugins;
    for (int i = 0; i < entries; ++i) {
        const QString name = QStringLiteral("Plugin%1").arg(i, 5, 10, QLatin1Char('0'));
        const QString version = QStringLiteral("2.%1.0").arg(i % 10);
        const QString installed = i % 3 == 0 ? QStringLiteral("1.%1.0").arg(i % 10) : version;
        const QString date = QStringLiteral("01.02.2024");
        plugins.append(QJsonObject{{"appId", QString::number(i + 100)},
                                   {"name", name},
                                   {"version", version},
                                   {"state", "release"},
                                   {"relDate", date}});
        const QJsonObject info{{"appId", QString::number(i + 100)},
                               {"version", installed},
                               {"state", "release"},
                               {"relDate", date}};
        const QString fileName =
            name + '_' + Globals::versionKey(installed) + QStringLiteral("_release.info");
        if (!writeFile(infos + fileName, QJsonDocument(info)))
            return false;
    }
    return writeFile(dataPath + QStringLiteral("/plugins.info"),
                     QJsonDocument(QJsonObject{{"plugins", plugins}}));
}

// Reads and parses every stored file once; returns how many parsed.
int readAndParseOnce(const QString& dataPath)
{
    int parsed = 0;
    QDirIterator files(dataPath, {QStringLiteral("*.info")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly) && !QJsonDocument::fromJson(file.readAll()).isNull())
            ++parsed;
    }
    return parsed;
}

double medianMs(int runs, const std::function<void()>& run)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.append(timer.nsecsElapsed() / 1e6);
        out() << "    " << QString::number(times.last(), 'f', 2) << " ms\n";
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const std::optional<BenchOptions> options = parseOptions(application);
    if (!options)
        return 1;
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    isolate(root.path());
    const QString dataPath = Globals::appDataPath();
    if (!createStorage(dataPath, options->entries)) {
        QTextStream(stderr) << "cannot write the catalogue and info files below " << dataPath
                            << '\n';
        return 1;
    }

    ProductManager* manager = ProductManager::instance();
    out() << "loadPlugins(true) with " << options->entries << " entries and info files:\n";
    const double loadMs = medianMs(options->runs, [manager] { manager->loadPlugins(true); });
    if (manager->products().size() != options->entries) {
        QTextStream(stderr) << "the load gave " << manager->products().size() << " products\n";
        return 1;
    }
    out() << "reading and parsing the same " << options->entries + 1 << " files once:\n";
    int parsed = 0;
    const double readMs = medianMs(options->runs, [&] { parsed = readAndParseOnce(dataPath); });
    if (parsed != options->entries + 1) {
        QTextStream(stderr) << "only " << parsed << " files parsed\n";
        return 1;
    }

    out() << "median load: " << QString::number(loadMs, 'f', 2) << " ms\n"
          << "median read and parse: " << QString::number(readMs, 'f', 2) << " ms\n"
          << "ratio load / read and parse: " << QString::number(loadMs / readMs, 'f', 2) << '\n';
    return 0;
}
