#include "catalogueentry.h"

#include "namecheck.h"
#include "product.h"

#include <QJsonArray>

CatalogueEntry CatalogueEntry::fromJson(const QJsonObject& object)
{
    return {object.value(QLatin1String("appId")).toString(),
            object.value(QLatin1String("name")).toString(),
            object.value(QLatin1String("version")).toString(),
            object.value(QLatin1String("state")).toString(),
            object.value(QLatin1String("relDate")).toString()};
}

bool CatalogueEntry::isCatalogue(const QJsonDocument& document)
{
    return document.isObject() && document.object().value(QLatin1String("plugins")).isArray();
}

QList<CatalogueEntry> CatalogueEntry::listFrom(const QJsonDocument& document)
{
    QList<CatalogueEntry> entries;
    const QJsonArray values = document.object().value(QLatin1String("plugins")).toArray();
    for (const QJsonValue& value : values)
        entries.append(fromJson(value.toObject()));
    return entries;
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
