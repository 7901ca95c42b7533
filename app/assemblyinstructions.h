#pragma once

#include <QString>

// The assembly instructions of a plug-in, downloaded into the data folder. Each file name
// carries the plug-in name (or "ets_pdb" for the KNX product database) and a language.
namespace AssemblyInstructions {

struct Choice
{
    QString folder;   // <data folder>/assembly_instructions/<plug-in>/
    QString fileName; // the chosen file's name, "" when none fits
    QString path;     // what to open: the chosen file, or the folder when none fits
};

// The first file in the current language, otherwise the last English one ("_en"). Without
// `isKNX` the product database files are passed over.
Choice choose(const QString& pluginName, bool isKNX, const QString& languageCode);

} // namespace AssemblyInstructions
