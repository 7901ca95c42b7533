#pragma once

#include "storagelayout.h"

#include <QJsonDocument>
#include <QString>
#include <QStringList>

// A firmware or assembly-instruction list: a JSON array whose first value names the plug-in's
// folder on the server and whose further values name the files in it. Only plain names are
// kept, since both become local folder and file names.
struct FileList
{
    // Empty when the list names no usable folder; then it names no files either.
    QString folderName;
    QStringList fileNames;
    // One line for each name that was skipped, saying why.
    QStringList problems;

    // A document that is no array, or holds fewer than two values, names no files.
    static FileList fromJson(const QJsonDocument& document, StorageLayout::FileKind kind);
};
