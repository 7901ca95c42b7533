// The library info document that completes an installation: an accepted one becomes a plain
// info file name.
#include "fuzzsupport.h"
#include "namecheck.h"
#include "productmanager.h"
#include "storagelayout.h"

#include <QJsonObject>

FUZZ_HARNESS_START

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = FuzzSupport::json(data, size);
    if (!ProductManager::libraryInfoProblem(document, 7).isEmpty())
        return 0;
    const QJsonObject info = document.object();
    const QString name = StorageLayout::infoFileName(
        QStringLiteral("Vent"), info.value(QLatin1String("version")).toString(),
        info.value(QLatin1String("state")).toString());
    FUZZ_CHECK(NameCheck::isPlainFileName(name), name);
    return 0;
}
