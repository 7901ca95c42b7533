#include "namecheck.h"

namespace NameCheck {

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar character : name) {
        if (character == QLatin1Char('/') || character == QLatin1Char('\\') ||
            character == QLatin1Char(':') || character.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool isDottedVersion(const QString& version)
{
    bool segmentHasDigits = false;
    for (const QChar character : version) {
        if (character == QLatin1Char('.') && segmentHasDigits)
            segmentHasDigits = false;
        else if (character >= QLatin1Char('0') && character <= QLatin1Char('9'))
            segmentHasDigits = true;
        else
            return false;
    }
    return segmentHasDigits;
}

} // namespace NameCheck
