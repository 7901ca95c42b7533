#include "namecheck.h"

#include <QRegularExpression>

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
    static const QRegularExpression dotted(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(\\.[0-9]+)*")));
    return dotted.match(version).hasMatch();
}

} // namespace NameCheck
