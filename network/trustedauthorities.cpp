#include "trustedauthorities.h"

#include <QHash>
#include <mutex>
#include <openssl/ssl.h>
#include <openssl/x509.h>

namespace {

// Null when the extra file cannot be read: the handshake then fails and says so, rather than
// going on without the authority the user configured.
X509_STORE* buildStore(CURL* easy, const QByteArray& extraCaFile)
{
    const char* bundle = nullptr;
    const char* folder = nullptr;
    curl_easy_getinfo(easy, CURLINFO_CAINFO, &bundle);
    curl_easy_getinfo(easy, CURLINFO_CAPATH, &folder);
    X509_STORE* store = X509_STORE_new();
    if (bundle || folder)
        X509_STORE_load_locations(store, bundle, folder);
    else
        X509_STORE_set_default_paths(store);
    if (!extraCaFile.isEmpty() &&
        X509_STORE_load_locations(store, extraCaFile.constData(), nullptr) != 1) {
        X509_STORE_free(store);
        return nullptr;
    }
    return store;
}

X509_STORE* sharedStore(CURL* easy, const QByteArray& extraCaFile)
{
    static std::mutex mutex;
    static QHash<QByteArray, X509_STORE*> stores;
    const std::lock_guard<std::mutex> lock(mutex);
    X509_STORE*& store = stores[extraCaFile];
    if (!store)
        store = buildStore(easy, extraCaFile);
    return store;
}

CURLcode installStore(CURL* easy, void* sslContext, void* extraCaFile)
{
    X509_STORE* store = sharedStore(easy, *static_cast<const QByteArray*>(extraCaFile));
    if (!store)
        return CURLE_SSL_CACERT_BADFILE;
    SSL_CTX_set1_cert_store(static_cast<SSL_CTX*>(sslContext), store);
    return CURLE_OK;
}

} // namespace

void TrustedAuthorities::use(CURL* easy, const QByteArray& extraCaFile)
{
    // libcurl itself reads no authorities; the store comes in when a connection is set up.
    curl_easy_setopt(easy, CURLOPT_CAINFO, nullptr);
    curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
    curl_easy_setopt(easy, CURLOPT_SSL_CTX_FUNCTION, &installStore);
    curl_easy_setopt(easy, CURLOPT_SSL_CTX_DATA, &extraCaFile);
}
