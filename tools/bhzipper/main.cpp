// Stands in for the extractor program of the shell's self-update. It installs nothing: it
// appends one line to "BhZipper.starts.jsonl" beside itself, a JSON object with the
// arguments it was started with (the program path left out) and its working directory, and
// exits. One line per start, so that a record also shows how often it was started.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QJsonObject start{{QStringLiteral("arguments"),
                             QJsonArray::fromStringList(QCoreApplication::arguments().mid(1))},
                            {QStringLiteral("workingDirectory"), QDir::currentPath()}};
    const QByteArray line = QJsonDocument(start).toJson(QJsonDocument::Compact) + '\n';

    QFile record(QCoreApplication::applicationDirPath() + QStringLiteral("/BhZipper.starts.jsonl"));
    // One write of the whole line, so that starts close together do not interleave.
    if (!record.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered) ||
        record.write(line) != line.size()) {
        std::fprintf(stderr, "BhZipper: cannot write %s: %s\n", qPrintable(record.fileName()),
                     qPrintable(record.errorString()));
        return 1;
    }
    return 0;
}
