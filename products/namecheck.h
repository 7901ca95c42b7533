#pragma once

#include <QString>

// Names that come from the server become parts of file paths and URLs only after these
// checks, so that nothing is ever written or deleted outside the application data folder.
namespace NameCheck {

// A single file-name component: not empty, not "." or "..", no "/" or "\", no ":" (drive
// letters, alternate streams) and no control characters.
bool isPlainFileName(const QString& name);

// Digits separated by single dots, for example 2.10.1.
bool isDottedVersion(const QString& version);

} // namespace NameCheck
