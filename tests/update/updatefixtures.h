#pragma once

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// What the extractor stand-in records beside itself: one JSON object per start.
inline QList<QJsonObject> extractorStarts(const QString& updateFolder)
{
    QFile record(updateFolder + QStringLiteral("/BhZipper.starts.jsonl"));
    QList<QJsonObject> starts;
    if (!record.open(QIODevice::ReadOnly))
        return starts;
    for (const QByteArray& line : record.readAll().split('\n')) {
        if (!line.isEmpty())
            starts << QJsonDocument::fromJson(line).object();
    }
    return starts;
}

// The command line the shell must hand to the extractor of `updateFolder`.
inline QJsonArray expectedExtractorArguments(const QString& updateFolder)
{
    return QJsonArray{"extract", updateFolder + QStringLiteral("/qmk.dat"), QDir::currentPath(),
                      "QMK"};
}
