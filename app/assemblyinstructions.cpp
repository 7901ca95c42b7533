#include "assemblyinstructions.h"

#include "globals.h"

#include <QDirIterator>

namespace AssemblyInstructions {

Choice choose(const QString& pluginName, bool isKNX, const QString& languageCode)
{
    Choice choice;
    choice.folder =
        Globals::appDataPath() + QStringLiteral("/assembly_instructions/") + pluginName + '/';
    choice.path = choice.folder;
    const QString productDatabase = QStringLiteral("ets_pdb");
    const QString wanted = isKNX ? productDatabase : pluginName;
    const QString inLanguage = QLatin1Char('_') + languageCode;

    QDirIterator files(choice.folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        const QString name = file.fileName();
        if (!name.contains(wanted, Qt::CaseInsensitive))
            continue;
        // The KNX product database carries the plug-in name too, but is no assembly
        // instruction of the device itself.
        if (!isKNX && name.contains(productDatabase, Qt::CaseInsensitive))
            continue;
        const bool current = name.contains(inLanguage, Qt::CaseInsensitive);
        if (current || name.contains(QLatin1String("_en"), Qt::CaseInsensitive)) {
            // The file itself is opened, also when it lies in a subfolder.
            choice.fileName = name;
            choice.path = file.filePath();
        }
        if (current)
            break;
    }
    return choice;
}

} // namespace AssemblyInstructions
