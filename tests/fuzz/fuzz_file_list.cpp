// Firmware and assembly-instruction lists: every file that is fetched arrives under the very
// name the list gives it, in its plug-in's folder.
#include "filelist.h"
#include "fuzzsupport.h"
#include "httprequesthandler.h"
#include "namecheck.h"

FUZZ_HARNESS_START

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = FuzzSupport::json(data, size);
    for (const auto kind :
         {StorageLayout::FileKind::Firmware, StorageLayout::FileKind::AssemblyInstructions}) {
        const FileList list = FileList::fromJson(document, kind);
        FUZZ_CHECK(!list.folderName.isEmpty() || list.fileNames.isEmpty(),
                   list.fileNames.join(','));
        if (list.folderName.isEmpty())
            continue;
        FUZZ_CHECK(NameCheck::isPlainFileName(list.folderName), list.folderName);
        for (const QString& fileName : list.fileNames) {
            FUZZ_CHECK(NameCheck::isPlainFileName(fileName), fileName);
            const QString url = StorageLayout::fileUrl(list.folderName, kind, fileName);
            FUZZ_CHECK(FuzzSupport::isBelowStorage(url), url);
            const QString delivered = HttpRequestHandler::fileNameOf(QUrl(url, QUrl::TolerantMode));
            FUZZ_CHECK(delivered == fileName,
                       fileName + QStringLiteral(" arrives as ") + delivered);
        }
    }
    return 0;
}
