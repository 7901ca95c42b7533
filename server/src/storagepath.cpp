#include "storagepath.h"

#include <QFileInfo>

namespace StoragePath {
namespace {

bool isForbidden(const QByteArray& decodedSegment)
{
    return decodedSegment == ".." || decodedSegment.contains('/') ||
           decodedSegment.contains('\\') || decodedSegment.contains('\0') ||
           decodedSegment.contains(':');
}

} // namespace

std::optional<QStringList> segments(const QByteArray& encodedPath)
{
    QStringList result;
    for (const QByteArray& encoded : encodedPath.split('/')) {
        const QByteArray decoded = QByteArray::fromPercentEncoding(encoded);
        if (isForbidden(decoded))
            return std::nullopt;
        if (!decoded.isEmpty() && decoded != ".")
            result.append(QString::fromUtf8(decoded));
    }
    return result;
}

QString locateFile(const QString& canonicalRoot, const QStringList& segments)
{
    if (canonicalRoot.isEmpty() || segments.isEmpty())
        return {};
    const QFileInfo info(canonicalRoot + QLatin1Char('/') + segments.join(QLatin1Char('/')));
    if (!info.isFile())
        return {};
    const QString canonical = info.canonicalFilePath();
    const QString prefix =
        canonicalRoot.endsWith(QLatin1Char('/')) ? canonicalRoot : canonicalRoot + QLatin1Char('/');
    return canonical.startsWith(prefix) ? canonical : QString();
}

} // namespace StoragePath
