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

    // A file that names a version of a plug-in: the version text comes from its file name.
    struct VersionFile
    {
        const Record* record = nullptr;
        QString version;
    };

    // Reads every file (not folder) whose name contains ".info", recursively.
    static InfoFileIndex read(const QString& infosFolder);

    // The file of that name directly in the infos folder, or null.
    const Record* topLevelFile(const QString& fileName) const;
    // The files named N_V_w.info for plug-in `name` and state word `state`, anywhere below
    // the folder, in directory iteration order, each with its version V in dotted form.
    QList<VersionFile> versionFiles(const QString& name, const QString& state) const;

private:
    QList<Record> m_records;
    QHash<QString, int> m_topLevel;
    // Record indices ordered by file name, so that the files of one plug-in lie together.
    QList<int> m_byFileName;
};
