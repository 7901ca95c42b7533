#include "signaturecheck.h"

#include "ed25519.h"
#include "signaturefile.h"

#include <QtDebug>

namespace SignatureCheck {
namespace {

QList<QByteArray>& keyList()
{
    static QList<QByteArray> keys;
    return keys;
}

QString refusal(const QString& url, const QString& why)
{
    return QStringLiteral("Refused %1: %2").arg(url, why);
}

} // namespace

void trustKeys(const QStringList& base64Keys)
{
    keyList().clear();
    for (const QString& text : base64Keys) {
        const QByteArray key = QByteArray::fromBase64(text.trimmed().toLatin1(),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (key.size() == Ed25519::PUBLIC_KEY_BYTES)
            keyList().append(key);
        else
            qWarning("Signing key \"%s\" skipped: not a base64 Ed25519 public key",
                     qUtf8Printable(text));
    }
    if (keyList().isEmpty())
        qInfo("Signature checks are off: this build trusts no signing key, so plug-ins, "
              "translations and updates are installed unchecked");
    else
        qInfo("Signature checks are on with %lld trusted key(s)",
              static_cast<long long>(keyList().size()));
}

const QList<QByteArray>& trustedKeys()
{
    return keyList();
}

bool isOn()
{
    return !keyList().isEmpty();
}

QString verify(const QByteArray& signatureFile, const Manifest& expected, const QString& url,
               Manifest* verified)
{
    if (signatureFile.isEmpty() || signatureFile.contains("404 Not Found"))
        return refusal(url, QStringLiteral("the signature file is missing"));
    QString problem;
    const SignatureFile file = SignatureFile::fromJson(signatureFile, &problem);
    if (!problem.isEmpty())
        return refusal(url, problem);
    const Manifest manifest = file.verifiedManifest(keyList(), &problem);
    if (problem.isEmpty())
        problem = manifest.mismatch(expected);
    if (!problem.isEmpty())
        return refusal(url, problem);
    *verified = manifest;
    return {};
}

QString checkFile(const Manifest& manifest, const QString& path, const QByteArray& content,
                  const QString& url)
{
    const QString problem = manifest.checkFile(path, content);
    return problem.isEmpty() ? QString() : refusal(url, problem);
}

} // namespace SignatureCheck
