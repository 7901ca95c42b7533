#include "versionorder.h"

#include <QVersionNumber>

namespace VersionOrder {

int compare(const QString& first, const QString& second)
{
    qsizetype firstSuffix = 0;
    qsizetype secondSuffix = 0;
    const QVersionNumber firstNumber = QVersionNumber::fromString(first, &firstSuffix).normalized();
    const QVersionNumber secondNumber =
        QVersionNumber::fromString(second, &secondSuffix).normalized();
    const int numeric = QVersionNumber::compare(firstNumber, secondNumber);
    if (numeric != 0)
        return numeric;
    const QStringView firstText = QStringView(first).mid(firstSuffix);
    const QStringView secondText = QStringView(second).mid(secondSuffix);
    if (firstText == secondText)
        return 0;
    if (firstText.isEmpty())
        return 1;
    if (secondText.isEmpty())
        return -1;
    return firstText.compare(secondText);
}

} // namespace VersionOrder
