#include "extractor.h"

#include "globals.h"
#include "updatefiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace Extractor {
namespace {

// Downloaded files carry no execute permission where the platform asks for one.
void makeExecutable(const QString& program)
{
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner |
                                       QFileDevice::ExeUser);
}

} // namespace

QStringList arguments(const QString& updateFolder)
{
    return {QStringLiteral("extract"), updateFolder + QLatin1Char('/') + UpdateFiles::ARCHIVE_NAME,
            QDir::currentPath(), Globals::PRODUCT_ABBREVIATION};
}

QString start(const QString& updateFolder)
{
    const QString program = updateFolder + QLatin1Char('/') + UpdateFiles::EXTRACTOR_NAME;
    makeExecutable(program);
    QProcess extractor;
    extractor.setProgram(program);
    extractor.setArguments(arguments(updateFolder));
    if (extractor.startDetached())
        return QString();
    return QStringLiteral("Cannot start the extractor %1: %2")
        .arg(QDir::toNativeSeparators(program), extractor.errorString());
}

} // namespace Extractor
