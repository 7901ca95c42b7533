#pragma once

#include "manifest.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The detached signature file that lies beside the files it covers: the manifest text as it
// was signed, the public key that signed it and the Ed25519 signature over that text. The
// manifest is kept as the very bytes that were signed, so no re-serialisation can change them.
struct SignatureFile
{
    // The name of the file in a signed folder of the storage.
    static inline const QString FILE_NAME = QStringLiteral("signature.json");
    // The shell's update lies in the storage root with much else; its file has a name of its own.
    static inline const QString UPDATE_FILE_NAME = QStringLiteral("update-signature.json");
    // Larger replies are no signature file of ours.
    static constexpr qint64 MAX_BYTES = 4 * 1024 * 1024;

    QByteArray manifest;
    QByteArray publicKey;
    QByteArray signature;

    // `manifest` signed with the PEM private key; empty members and `error` set on failure.
    static SignatureFile sign(const Manifest& manifest, const QByteArray& privatePem,
                              QString* error);
    // The parts of a signature file, or empty members and `error` set when it is malformed.
    static SignatureFile fromJson(const QByteArray& text, QString* error);
    QByteArray toJson() const;

    // The manifest when the signature is good and by one of `trustedKeys`; otherwise an empty
    // manifest and `error` says why.
    Manifest verifiedManifest(const QList<QByteArray>& trustedKeys, QString* error) const;
};
