#pragma once

#include <QByteArray>
#include <QString>

// Ed25519 through OpenSSL's libcrypto, which the shell loads for TLS anyway. Public keys are
// the raw 32 bytes, signatures the raw 64 bytes; private keys travel as PKCS #8 PEM text.
namespace Ed25519 {

constexpr int PUBLIC_KEY_BYTES = 32;
constexpr int SIGNATURE_BYTES = 64;

// Whether `signature` is the signature of `message` by the holder of `publicKey`.
bool verify(const QByteArray& publicKey, const QByteArray& message, const QByteArray& signature);

struct KeyPair
{
    QByteArray privatePem;
    QByteArray publicKey;
};
// A fresh key pair, or empty members (and `error` set) when the library fails.
KeyPair generate(QString* error);

// The signature of `message` with the PEM private key, or empty (and `error` set).
QByteArray sign(const QByteArray& privatePem, const QByteArray& message, QString* error);
// The raw public key that belongs to the PEM private key, or empty (and `error` set).
QByteArray publicKeyOf(const QByteArray& privatePem, QString* error);

} // namespace Ed25519
