// The catalogue, as the server sends it and as its stored copy is read at start: every entry
// that is accepted names only plain files and URLs below the storage folder.
#include "catalogueentry.h"
#include "fuzzsupport.h"
#include "namecheck.h"
#include "storagelayout.h"

FUZZ_HARNESS_START

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = FuzzSupport::json(data, size);
    if (!CatalogueEntry::isCatalogue(document))
        return 0;
    for (const CatalogueEntry& entry : CatalogueEntry::listFrom(document)) {
        (void)entry.numericAppId();
        if (!entry.problem().isEmpty())
            continue;
        const QString infoName =
            StorageLayout::infoFileName(entry.name, entry.version, entry.state);
        FUZZ_CHECK(NameCheck::isPlainFileName(infoName), infoName);
        for (const Product::ReleaseState channel :
             {Product::RELEASE, Product::BETA, Product::DEV}) {
            const QString library = StorageLayout::libraryFileName(entry.name, channel);
            FUZZ_CHECK(NameCheck::isPlainFileName(library), library);
            const QString url =
                StorageLayout::libraryUrl(entry.name, entry.version, entry.state, channel);
            FUZZ_CHECK(FuzzSupport::isBelowStorage(url), url);
        }
        for (const QString& url :
             {StorageLayout::changelogUrl(entry.name, entry.version, entry.state),
              StorageLayout::libraryInfoUrl(entry.name, entry.version, entry.state),
              StorageLayout::fileListUrl(entry.name, StorageLayout::FileKind::Firmware)})
            FUZZ_CHECK(FuzzSupport::isBelowStorage(url), url);
    }
    return 0;
}
