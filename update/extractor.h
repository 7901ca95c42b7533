#pragma once

#include <QString>
#include <QStringList>

// Hands a downloaded update to the extractor program, which installs it on its own.
namespace Extractor {

// "extract", the archive's path, the shell's working directory and the product abbreviation.
QStringList arguments(const QString& updateFolder);

// Starts the extractor of `updateFolder` detached, in the shell's working directory. Returns
// "" once it runs, otherwise why it could not be started.
QString start(const QString& updateFolder);

} // namespace Extractor
