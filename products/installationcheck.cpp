#include "installationcheck.h"

#include "catalogueentry.h"
#include "infofileindex.h"
#include "namecheck.h"
#include "storagelayout.h"
#include "versionorder.h"

#include <QDate>

namespace InstallationCheck {
namespace {

bool stateAllowedIn(const QString& stateWord, Product::ReleaseState channel)
{
    if (stateWord == Product::stateWord(Product::RELEASE))
        return true;
    if (stateWord == Product::stateWord(Product::BETA))
        return channel == Product::BETA || channel == Product::DEV;
    if (stateWord == Product::stateWord(Product::DEV))
        return channel == Product::DEV;
    return false;
}

// "dd.MM.yyyy". The common, well-formed text is read directly: the general parser is by far
// the slowest part of matching a large catalogue against its info files.
QDate releaseDate(const QString& text)
{
    const auto number = [&text](qsizetype from, qsizetype length) {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            if (!text.at(i).isDigit())
                return -1;
            value = value * 10 + text.at(i).digitValue();
        }
        return value;
    };
    if (text.size() == 10 && text.at(2) == QLatin1Char('.') && text.at(5) == QLatin1Char('.')) {
        const int day = number(0, 2);
        const int month = number(3, 2);
        const int year = number(6, 4);
        if (day >= 0 && month >= 0 && year >= 0)
            return QDate(year, month, day);
    }
    return QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
}

// An unreadable date is earlier than every valid date; two unreadable dates are equal.
bool isEarlier(const QString& date, const QString& than)
{
    const QDate second = releaseDate(than);
    if (!second.isValid())
        return false;
    const QDate first = releaseDate(date);
    return !first.isValid() || first < second;
}

} // namespace

void applyInstalledFile(const CatalogueEntry& entry, const InfoFileIndex& index,
                        Product::ReleaseState channel, Product& product)
{
    const InfoFileIndex::Record* info =
        index.topLevelFile(StorageLayout::infoFileName(entry.name, entry.version, entry.state));
    if (!info || !info->readable)
        return;
    if (info->state != entry.state || info->relDate != entry.relDate ||
        info->appId != entry.appId || !stateAllowedIn(info->state, channel))
        return;
    // The version becomes part of the info file name again when the plug-in is deleted.
    if (!NameCheck::isVersionName(info->version))
        return;
    product.setReleaseState(info->state);
    product.setReleaseDate(info->relDate);
    product.setInstalledVersion(info->version);
    if (VersionOrder::compare(info->version, entry.version) == 0)
        product.setInstallationState(Product::INSTALLED);
}

void applyOlderFiles(const CatalogueEntry& entry, const InfoFileIndex& index, Product& product)
{
    for (const InfoFileIndex::VersionFile& file : index.versionFiles(entry.name, entry.state)) {
        if (VersionOrder::compare(file.version, entry.version) < 0 ||
            isEarlier(file.record->relDate, entry.relDate)) {
            product.setInstallationState(Product::INSTALLED_UPDATEABLE);
            product.setInstalledVersion(file.version);
            product.setAvailableVersion(entry.version);
        }
    }
}

} // namespace InstallationCheck
