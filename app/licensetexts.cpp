#include "licensetexts.h"

#include "globals.h"

#include <QFile>

namespace LicenseTexts {

QString resourcePath(const QString& license)
{
    QString path = QStringLiteral(":/");
    if (license.contains(QLatin1String("TermsOfUse")))
        path += QString::number(Globals::KELVO_APP_ID) + QLatin1Char('/');
    return path + license;
}

QString read(const QString& license)
{
    QFile file(resourcePath(license));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace LicenseTexts
