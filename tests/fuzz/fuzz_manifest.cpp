// Signature files and the manifests they carry. Whatever the bytes, nothing verifies without
// the maker's key; and when the maker did sign the bytes as a manifest, the shell accepts
// exactly the well-formed ones, with paths that stay inside the signed folder.
#include "ed25519.h"
#include "fuzzsupport.h"
#include "signaturecheck.h"
#include "signaturefile.h"

namespace {

Ed25519::KeyPair maker;
const QString URL = QStringLiteral("http://127.0.0.1/storage/kelvo/a/1_0_0_release/signature.json");

bool staysInside(const QString& path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    return !path.isEmpty() && !parts.contains(QStringLiteral("..")) && !parts.contains(QString()) &&
           !path.contains(QLatin1Char('\\'));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::start(argc, argv);
    QString error;
    maker = Ed25519::generate(&error);
    SignatureCheck::trustKeys({QString::fromLatin1(maker.publicKey.toBase64())});
    return error.isEmpty() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzSupport::bytes(data, size);
    Manifest verified;
    const QString forged = SignatureCheck::verify(bytes, {}, URL, &verified);
    FUZZ_CHECK(!forged.isEmpty() && verified.scope.isEmpty(), QString::fromUtf8(bytes.left(200)));

    QString error;
    const Manifest manifest = Manifest::fromJson(bytes, &error);
    FUZZ_CHECK(error.isEmpty() != manifest.scope.isEmpty(), error);
    for (const Manifest::Entry& entry : manifest.files) {
        FUZZ_CHECK(staysInside(entry.path), entry.path);
        FUZZ_CHECK(entry.size >= 0 && entry.sha256.size() == 32, entry.path);
    }
    if (error.isEmpty()) {
        QString again;
        const Manifest reread = Manifest::fromJson(manifest.toJson(), &again);
        FUZZ_CHECK(again.isEmpty() && reread.toJson() == manifest.toJson(), again);
    }

    // Signed by the maker, the bytes pass exactly when they are a manifest of the release.
    const SignatureFile file{bytes, maker.publicKey,
                             Ed25519::sign(maker.privatePem, bytes, &error)};
    const Manifest release{manifest.scope, manifest.name, manifest.version, manifest.state, {}};
    const QString refusal = SignatureCheck::verify(file.toJson(), release, URL, &verified);
    const bool textSurvives = QString::fromUtf8(bytes).toUtf8() == bytes;
    if (textSurvives && error.isEmpty())
        FUZZ_CHECK(refusal.isEmpty() == !manifest.scope.isEmpty(), refusal);
    if (refusal.isEmpty())
        FUZZ_CHECK(verified.toJson() == manifest.toJson(), refusal);
    return 0;
}
