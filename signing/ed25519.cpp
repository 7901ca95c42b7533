#include "ed25519.h"

#include <memory>
#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

namespace Ed25519 {
namespace {

struct KeyFree
{
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree
{
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
struct KeyContextFree
{
    void operator()(EVP_PKEY_CTX* context) const { EVP_PKEY_CTX_free(context); }
};
struct BioFree
{
    void operator()(BIO* bio) const { BIO_free(bio); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

QString lastError(const char* what)
{
    char text[256] = {};
    ERR_error_string_n(ERR_get_error(), text, sizeof text);
    ERR_clear_error();
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QLatin1String(text));
}

Key readPrivateKey(const QByteArray& pem, QString* error)
{
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(pem.constData(), int(pem.size())));
    Key key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr);
    if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519) {
        *error = key ? QStringLiteral("not an Ed25519 private key")
                     : lastError("cannot read the private key");
        return nullptr;
    }
    return key;
}

QByteArray rawPublicKey(EVP_PKEY* key, QString* error)
{
    QByteArray raw(PUBLIC_KEY_BYTES, Qt::Uninitialized);
    size_t length = size_t(raw.size());
    if (EVP_PKEY_get_raw_public_key(key, reinterpret_cast<unsigned char*>(raw.data()), &length) !=
            1 ||
        length != size_t(PUBLIC_KEY_BYTES)) {
        *error = lastError("cannot read the public key");
        return {};
    }
    return raw;
}

} // namespace

bool verify(const QByteArray& publicKey, const QByteArray& message, const QByteArray& signature)
{
    if (publicKey.size() != PUBLIC_KEY_BYTES || signature.size() != SIGNATURE_BYTES)
        return false;
    Key key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                        reinterpret_cast<const unsigned char*>(publicKey.data()),
                                        size_t(publicKey.size())));
    std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    const bool good =
        key && context &&
        EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
        EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                         size_t(signature.size()),
                         reinterpret_cast<const unsigned char*>(message.data()),
                         size_t(message.size())) == 1;
    // A bad signature leaves an entry on the thread's error queue; nobody wants it later.
    ERR_clear_error();
    return good;
}

KeyPair generate(QString* error)
{
    std::unique_ptr<EVP_PKEY_CTX, KeyContextFree> context(
        EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr));
    EVP_PKEY* made = nullptr;
    if (!context || EVP_PKEY_keygen_init(context.get()) != 1 ||
        EVP_PKEY_keygen(context.get(), &made) != 1) {
        *error = lastError("cannot make a key pair");
        return {};
    }
    Key key(made);
    std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
    if (!bio || PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr,
                                         nullptr) != 1) {
        *error = lastError("cannot write the private key");
        return {};
    }
    char* pem = nullptr;
    const long length = BIO_get_mem_data(bio.get(), &pem);
    KeyPair pair{QByteArray(pem, int(length)), rawPublicKey(key.get(), error)};
    return pair.publicKey.isEmpty() ? KeyPair() : pair;
}

QByteArray sign(const QByteArray& privatePem, const QByteArray& message, QString* error)
{
    const Key key = readPrivateKey(privatePem, error);
    if (!key)
        return {};
    std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
    QByteArray signature(SIGNATURE_BYTES, Qt::Uninitialized);
    size_t length = size_t(signature.size());
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                       reinterpret_cast<const unsigned char*>(message.data()),
                       size_t(message.size())) != 1) {
        *error = lastError("cannot sign");
        return {};
    }
    return signature;
}

QByteArray publicKeyOf(const QByteArray& privatePem, QString* error)
{
    const Key key = readPrivateKey(privatePem, error);
    return key ? rawPublicKey(key.get(), error) : QByteArray();
}

} // namespace Ed25519
