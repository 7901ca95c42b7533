#pragma once

#include <QString>
#include <optional>

// The forgotten-password unlock. A resource lists customer codes, each with the digest that
// the right unlock code gives; support hands out the unlock code for a customer code.
namespace PasswordCodes {

extern const QString RESOURCE;

struct Code
{
    QString customerCode;
    QString expectedDigest;
    QString tag; // the table's tag, shown after the customer code
};

// A code line drawn at random from `resource`; none when the resource is missing or holds
// no well-formed code line.
std::optional<Code> draw(const QString& resource = RESOURCE);

// Whether the Keccak-512 digest of customer code + sales code, in standard Base64, is the
// expected one. Never true for an empty customer code or digest.
bool matches(const QString& customerCode, const QString& expectedDigest, const QString& salesCode);

} // namespace PasswordCodes
