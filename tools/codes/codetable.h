#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class QRandomGenerator;

// The forgotten-password codes. The shell shows a customer code; support reads the matching
// unlock code from its table; the shell accepts it when the Keccak-512 digest of customer
// code + unlock code equals the digest stored next to the customer code in its resource.
namespace CodeTable {

struct Entry
{
    QString customerCode; // 5 characters, shown to the user
    QString unlockCode;   // handed out by support, never shipped
    QString digest;       // 88 characters of standard Base64
};

inline constexpr int CODE_COUNT = 400;
inline constexpr int CUSTOMER_CODE_LENGTH = 5;
// The unlock field of the shell takes at most five characters.
inline constexpr int UNLOCK_CODE_LENGTH = 5;

// Standard Base64 (with "=" fill) of the Keccak-512 digest of the UTF-8 bytes of both codes.
QString digest(const QString& customerCode, const QString& unlockCode);

// `count` entries with distinct customer codes. Letters and digits that are easily mistaken
// for one another on the phone (0/O, 1/I) are left out.
QList<Entry> generate(int count, QRandomGenerator& random);

// "<tag dd.MM.yyyy>", then one "customerCode*digest" line per entry.
QByteArray resourceText(const QString& tag, const QDate& date, const QList<Entry>& entries);

// The support table: a comment naming the resource it belongs to, then one
// "customerCode unlockCode" line per entry.
QByteArray unlockTableText(const QString& tag, const QDate& date, const QList<Entry>& entries);

} // namespace CodeTable
