#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The local folder of downloaded translation files and what a file name says about its
// language. A translation file is named "<owner>_<code>.qm": "qmk_de.qm" for the shell,
// "<plug-in>_<code>.qm" for a plug-in.
namespace TranslationFiles {

// The application data folder + "/translations/".
QString folder();

// The language code of a translation file name: the part after the last "_", without the
// ".qm" ending. Empty for a name that is no translation file or carries no code. Taking the
// last part keeps plug-in names that contain "_" or a language code apart from the code.
QString languageCodeOf(const QString& fileName);

// Absolute paths of the translation files in the folder and its subfolders, in the order the
// folder walk finds them.
QStringList filesOnDisk();

// Whether a server reply stands for a file that the server does not have.
bool isMissingFileReply(const QByteArray& reply);

// Replaces the file `fileName` in the existing `folder` (ending in "/") with `content` as a
// whole, atomically. Returns an empty text on success, otherwise a description; the previous
// file is then left as it was.
QString save(const QString& folder, const QString& fileName, const QByteArray& content);

} // namespace TranslationFiles
