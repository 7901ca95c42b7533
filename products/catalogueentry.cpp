#include "catalogueentry.h"

#include "namecheck.h"
#include "product.h"

CatalogueEntry CatalogueEntry::fromJson(const QJsonObject& object)
{
    return {object.value(QLatin1String("appId")).toString(),
            object.value(QLatin1String("name")).toString(),
            object.value(QLatin1String("version")).toString(),
            object.value(QLatin1String("state")).toString(),
            object.value(QLatin1String("relDate")).toString()};
}

int CatalogueEntry::numericAppId() const
{
    return appId.toInt(nullptr, 10);
}

QString CatalogueEntry::problem() const
{
    if (!NameCheck::isPlainFileName(name))
        return QStringLiteral("Catalogue entry \"%1\" (appId \"%2\") skipped: the name is not a "
                              "plain file name")
            .arg(NameCheck::printable(name), NameCheck::printable(appId));
    if (!NameCheck::isVersionName(version))
        return QStringLiteral("Catalogue entry \"%1\" skipped: version \"%2\" cannot be part of "
                              "a file name")
            .arg(NameCheck::printable(name), NameCheck::printable(version));
    if (!Product::isStateWord(state))
        return QStringLiteral("Catalogue entry \"%1\" skipped: state \"%2\" is not release, beta "
                              "or dev")
            .arg(NameCheck::printable(name), NameCheck::printable(state));
    return QString();
}
