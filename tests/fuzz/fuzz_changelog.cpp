// A plug-in's changelog document, through the slots that receive it: the text is empty or
// starts with one of its three section titles.
#include "changelogformatter.h"
#include "fuzzsupport.h"
#include "productmanager.h"

#include <QJsonObject>

FUZZ_HARNESS_START

namespace {

bool isChangelogText(const QString& text)
{
    return text.isEmpty() || text.startsWith(QLatin1String("Fixes: ")) ||
           text.startsWith(QLatin1String("Changes: ")) ||
           text.startsWith(QLatin1String("Features: "));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = FuzzSupport::json(data, size);
    const QJsonObject changelog = document.object().value(QLatin1String("changelog")).toObject();
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("de")}) {
        const QString text = ChangelogFormatter::format(changelog, language);
        FUZZ_CHECK(isChangelogText(text), text);
    }
    ProductManager::instance()->changelogReceived(document);
    ProductManager::instance()->changelogVireoPluginReceived(document);
    return 0;
}
