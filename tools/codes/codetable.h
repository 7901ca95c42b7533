#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

class QRandomGenerator;

// The forgotten-password codes. The shell shows a customer code; support tells the caller the
// matching unlock code; the shell accepts it when the Keccak-512 digest of customer code +
// unlock code equals the digest stored next to the customer code in its resource.
//
// Unlock codes are not random: each is a keyed digest of its customer code under one support
// secret. Support keeps that secret only and can make the unlock table of any resource again.
namespace CodeTable {

struct Entry
{
    QString customerCode; // 5 characters, shown to the user
    QString unlockCode;   // handed out by support, never shipped
    QString digest;       // 88 characters of standard Base64
};

// What a resource holds: its header and one entry per code line (without unlock codes).
struct Resource
{
    QString tag;
    QDate date;
    QList<Entry> entries;
};

inline constexpr int CODE_COUNT = 400;
inline constexpr int CUSTOMER_CODE_LENGTH = 5;
// The unlock field of the shell takes at most five characters.
inline constexpr int UNLOCK_CODE_LENGTH = 5;
// A shorter secret could be found by trying.
inline constexpr int MINIMUM_SECRET_LENGTH = 16;

// Standard Base64 (with "=" fill) of the Keccak-512 digest of the UTF-8 bytes of both codes.
QString digest(const QString& customerCode, const QString& unlockCode);

// HMAC-SHA-256 of the customer code under the secret; its first 25 bits, five at a time, pick
// the characters of the code alphabet.
QString unlockCode(const QByteArray& secret, const QString& customerCode);

// Whether `code` is a customer code of the alphabet (capital letters as shown).
bool isCustomerCode(const QString& code);

// `count` entries with distinct random customer codes and the unlock codes of the secret.
// Letters and digits that are easily mistaken for one another on the phone (0/O, 1/I) are
// left out.
QList<Entry> generate(int count, const QByteArray& secret, QRandomGenerator& random);

// "<tag dd.MM.yyyy>", then one "customerCode*digest" line per entry.
QByteArray resourceText(const QString& tag, const QDate& date, const QList<Entry>& entries);

// A resource as written by resourceText(); none (and the reason in `error`) otherwise.
std::optional<Resource> parseResource(const QByteArray& text, QString& error);

// Fills in the unlock codes of the secret. Fails, naming the first customer code whose digest
// does not match, when the resource was not made with this secret.
bool deriveUnlockCodes(Resource& resource, const QByteArray& secret, QString& error);

// The support table: a comment naming the resource it belongs to, then one
// "customerCode unlockCode" line per entry.
QByteArray unlockTableText(const QString& tag, const QDate& date, const QList<Entry>& entries);

} // namespace CodeTable
