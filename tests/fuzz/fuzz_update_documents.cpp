// The shell's own update documents: the version document and the changelog document whose
// update description names the files to download. The version offered is one the shell can
// show and compare, and every download stays on the maker's server.
#include "bundlemanager.h"
#include "fuzzsupport.h"
#include "globals.h"
#include "updatefiles.h"

#include <QJsonObject>
#include <QVersionNumber>

namespace {

QString offeredVersion;
bool upToDate = false;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::start(argc, argv);
    QObject::connect(BundleManager::instance(), &BundleManager::kelvoDetailsReceived,
                     [](const QString& version, bool isUpToDate) {
                         offeredVersion = version;
                         upToDate = isUpToDate;
                     });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = FuzzSupport::json(data, size);
    offeredVersion = QStringLiteral("unset");
    upToDate = false;
    BundleManager::instance()->bundleUpdateInfoReceived(document);
    if (document.isObject()) {
        const QVersionNumber offered = QVersionNumber::fromString(offeredVersion);
        FUZZ_CHECK(offeredVersion.isEmpty() || offered.toString() == offeredVersion,
                   offeredVersion);
        FUZZ_CHECK(!upToDate || offered == QVersionNumber::fromString(Globals::VERSION_NUMBER),
                   offeredVersion);
    }

    BundleManager::instance()->changelogReceived(document);
    const QStringList urls = UpdateFiles::downloadUrls(document.object());
    FUZZ_CHECK(urls.size() == 5, urls.join(' '));
    for (const QString& url : urls) {
        const QUrl target(url, QUrl::TolerantMode);
        const QUrl storage(Globals::storageUrl());
        FUZZ_CHECK(target.host() == storage.host() && target.port() == storage.port() &&
                       target.scheme() == storage.scheme(),
                   url);
    }
    return 0;
}
