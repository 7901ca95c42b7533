#include "filelist.h"

#include "namecheck.h"

#include <QJsonArray>

FileList FileList::fromJson(const QJsonDocument& document, StorageLayout::FileKind kind)
{
    FileList result;
    const QJsonArray list = document.array();
    if (list.size() < 2)
        return result;
    const QString folderName = list.at(0).toString();
    if (!NameCheck::isPlainFileName(folderName)) {
        result.problems << QStringLiteral("A %1 list names the folder \"%2\", which is not a "
                                          "plain folder name; its files are skipped")
                               .arg(StorageLayout::folderWord(kind),
                                    NameCheck::printable(folderName));
        return result;
    }
    result.folderName = folderName;
    for (qsizetype index = 1; index < list.size(); ++index) {
        const QString fileName = list.at(index).toString();
        if (NameCheck::isPlainFileName(fileName))
            result.fileNames << fileName;
        else
            result.problems << QStringLiteral("The %1 list of \"%2\" names \"%3\", which is not "
                                              "a plain file name; it is skipped")
                                   .arg(StorageLayout::folderWord(kind),
                                        NameCheck::printable(folderName),
                                        NameCheck::printable(fileName));
    }
    return result;
}
