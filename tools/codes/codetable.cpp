#include "codetable.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSet>

namespace CodeTable {
namespace {

const QString ALPHABET = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");

QString randomCode(int length, QRandomGenerator& random)
{
    QString code;
    for (int index = 0; index < length; ++index)
        code += ALPHABET.at(random.bounded(int(ALPHABET.size())));
    return code;
}

QByteArray header(const QString& tag, const QDate& date)
{
    return QStringLiteral("<%1 %2>\n")
        .arg(tag, date.toString(QStringLiteral("dd.MM.yyyy")))
        .toUtf8();
}

} // namespace

QString digest(const QString& customerCode, const QString& unlockCode)
{
    const QByteArray hash = QCryptographicHash::hash((customerCode + unlockCode).toUtf8(),
                                                     QCryptographicHash::Keccak_512);
    return QString::fromLatin1(hash.toBase64());
}

QList<Entry> generate(int count, QRandomGenerator& random)
{
    QList<Entry> entries;
    QSet<QString> taken;
    while (entries.size() < count) {
        const QString customerCode = randomCode(CUSTOMER_CODE_LENGTH, random);
        if (taken.contains(customerCode))
            continue;
        taken.insert(customerCode);
        const QString unlockCode = randomCode(UNLOCK_CODE_LENGTH, random);
        entries.append({customerCode, unlockCode, digest(customerCode, unlockCode)});
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
