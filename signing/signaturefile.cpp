#include "signaturefile.h"

#include "ed25519.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QByteArray base64Field(const QJsonObject& object, const char* key)
{
    return QByteArray::fromBase64(object.value(QLatin1String(key)).toString().toLatin1(),
                                  QByteArray::AbortOnBase64DecodingErrors);
}

} // namespace

SignatureFile SignatureFile::sign(const Manifest& manifest, const QByteArray& privatePem,
                                  QString* error)
{
    SignatureFile file{manifest.toJson(), Ed25519::publicKeyOf(privatePem, error), {}};
    if (file.publicKey.isEmpty())
        return {};
    file.signature = Ed25519::sign(privatePem, file.manifest, error);
    return file.signature.isEmpty() ? SignatureFile() : file;
}

SignatureFile SignatureFile::fromJson(const QByteArray& text, QString* error)
{
    if (text.size() > MAX_BYTES) {
        *error = QStringLiteral("the signature file is too large");
        return {};
    }
    const QJsonObject object = QJsonDocument::fromJson(text).object();
    const QJsonValue manifest = object.value(QLatin1String("manifest"));
    SignatureFile file{manifest.toString().toUtf8(), base64Field(object, "key"),
                       base64Field(object, "signature")};
    if (!manifest.isString() || file.publicKey.size() != Ed25519::PUBLIC_KEY_BYTES ||
        file.signature.size() != Ed25519::SIGNATURE_BYTES) {
        *error = QStringLiteral("the signature file is malformed");
        return {};
    }
    return file;
}

QByteArray SignatureFile::toJson() const
{
    return QJsonDocument(
               QJsonObject{
                   {QStringLiteral("manifest"), QString::fromUtf8(manifest)},
                   {QStringLiteral("key"), QString::fromLatin1(publicKey.toBase64())},
                   {QStringLiteral("signature"), QString::fromLatin1(signature.toBase64())},
               })
        .toJson(QJsonDocument::Indented);
}

Manifest SignatureFile::verifiedManifest(const QList<QByteArray>& trustedKeys, QString* error) const
{
    if (!trustedKeys.contains(publicKey)) {
        *error = QStringLiteral("it is signed by an unknown key %1")
                     .arg(QString::fromLatin1(publicKey.toBase64()));
        return {};
    }
    if (!Ed25519::verify(publicKey, manifest, signature)) {
        *error = QStringLiteral("its signature does not match its manifest");
        return {};
    }
    QString problem;
    Manifest verified = Manifest::fromJson(manifest, &problem);
    if (!problem.isEmpty())
        *error = problem;
    return verified;
}
