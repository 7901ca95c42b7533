#include "codetable.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

namespace CodeTable {
namespace {

// 32 characters: five bits each.
const QString ALPHABET = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");
const QString DATE_FORMAT = QStringLiteral("dd.MM.yyyy");

QString randomCode(int length, QRandomGenerator& random)
{
    QString code;
    for (int index = 0; index < length; ++index)
        code += ALPHABET.at(random.bounded(int(ALPHABET.size())));
    return code;
}

QByteArray header(const QString& tag, const QDate& date)
{
    return QStringLiteral("<%1 %2>\n").arg(tag, date.toString(DATE_FORMAT)).toUtf8();
}

} // namespace

QString digest(const QString& customerCode, const QString& unlockCode)
{
    const QByteArray hash = QCryptographicHash::hash((customerCode + unlockCode).toUtf8(),
                                                     QCryptographicHash::Keccak_512);
    return QString::fromLatin1(hash.toBase64());
}

QString unlockCode(const QByteArray& secret, const QString& customerCode)
{
    const QByteArray mac =
        QMessageAuthenticationCode::hash(customerCode.toUtf8(), secret, QCryptographicHash::Sha256);
    quint32 bits = 0;
    for (int index = 0; index < 4; ++index)
        bits = (bits << 8) | quint8(mac.at(index));
    QString code;
    for (int index = 0; index < UNLOCK_CODE_LENGTH; ++index)
        code += ALPHABET.at(int((bits >> (27 - 5 * index)) & 31));
    return code;
}

bool isCustomerCode(const QString& code)
{
    if (code.size() != CUSTOMER_CODE_LENGTH)
        return false;
    for (const QChar character : code) {
        if (!ALPHABET.contains(character))
            return false;
    }
    return true;
}

QList<Entry> generate(int count, const QByteArray& secret, QRandomGenerator& random)
{
    QList<Entry> entries;
    QSet<QString> taken;
    while (entries.size() < count) {
        const QString customerCode = randomCode(CUSTOMER_CODE_LENGTH, random);
        if (taken.contains(customerCode))
            continue;
        taken.insert(customerCode);
        const QString unlock = unlockCode(secret, customerCode);
        entries.append({customerCode, unlock, digest(customerCode, unlock)});
    }
    return entries;
}

QByteArray resourceText(const QString& tag, const QDate& date, const QList<Entry>& entries)
{
    QByteArray text = header(tag, date);
    for (const Entry& entry : entries)
        text += (entry.customerCode + QLatin1Char('*') + entry.digest + QLatin1Char('\n')).toUtf8();
    return text;
}

std::optional<Resource> parseResource(const QByteArray& text, QString& error)
{
    static const QRegularExpression headerLine(
        QStringLiteral("^<(\\S+) (\\d\\d\\.\\d\\d\\.\\d{4})>$"));
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QRegularExpressionMatch match = headerLine.match(lines.value(0).trimmed());
    if (!match.hasMatch()) {
        error = QStringLiteral("the first line is not \"<tag dd.MM.yyyy>\"");
        return std::nullopt;
    }
    Resource resource{match.captured(1), QDate::fromString(match.captured(2), DATE_FORMAT), {}};
    for (const QString& line : lines.mid(1)) {
        const QStringList parts = line.trimmed().split(QLatin1Char('*'));
        if (parts.size() != 2 || !isCustomerCode(parts.at(0)) || parts.at(1).isEmpty()) {
            error = QStringLiteral("not a code line: ") + line;
            return std::nullopt;
        }
        resource.entries.append({parts.at(0), QString(), parts.at(1)});
    }
    return resource;
}

bool deriveUnlockCodes(Resource& resource, const QByteArray& secret, QString& error)
{
    for (Entry& entry : resource.entries) {
        entry.unlockCode = unlockCode(secret, entry.customerCode);
        if (digest(entry.customerCode, entry.unlockCode) != entry.digest) {
            error = QStringLiteral("the secret does not belong to this resource (customer code ") +
                    entry.customerCode + QLatin1Char(')');
            return false;
        }
    }
    return true;
}

QByteArray unlockTableText(const QString& tag, const QDate& date, const QList<Entry>& entries)
{
    QByteArray text = "# Unlock codes for the forgotten-password resource " + header(tag, date);
    text += "# The user reads out the customer code shown by the shell (code and tag).\n";
    for (const Entry& entry : entries)
        text +=
            (entry.customerCode + QLatin1Char(' ') + entry.unlockCode + QLatin1Char('\n')).toUtf8();
    return text;
}

} // namespace CodeTable
