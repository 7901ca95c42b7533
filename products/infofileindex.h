#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The info files below the infos folder, each opened and parsed once when the index is
// built, so that a whole catalogue can be matched against them without touching the disk
// again.
class InfoFileIndex
{
public:
    struct Record
    {
        QString fileName;
        bool readable = false;
        QString appId;
        QString version;
        QString state;
        QString relDate;
    };

    // Reads every file (not folder) whose name contains ".info", recursively.
    static InfoFileIndex read(const QString& infosFolder);

    // Every indexed file, in directory iteration order.
    const QList<Record>& records() const { return m_records; }
    // The file of that name directly in the infos folder, or null.
    const Record* topLevelFile(const QString& fileName) const;

private:
    QList<Record> m_records;
    QHash<QString, int> m_topLevel;
};
