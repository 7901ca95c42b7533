// The list of plug-in names that have translations: every translation file is fetched from
// the maker's server and arrives under the name "<plug-in>_<code>.qm" that its language is
// read from.
#include "fuzzsupport.h"
#include "httprequesthandler.h"
#include "namecheck.h"
#include "translationfiles.h"
#include "translator.h"

#include <QJsonArray>

FUZZ_HARNESS_START

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QJsonDocument document = FuzzSupport::json(data, size);
    QStringList rejected;
    const QStringList names = Translator::pluginNamesOf(document, rejected);
    FUZZ_CHECK(names.size() + rejected.size() == document.array().size(), names.join(','));
    const QStringList urls = Translator::translationFileUrls(names);
    const QStringList& codes = Translator::languageCodes();
    FUZZ_CHECK(urls.size() == codes.size() * (names.size() + 1), urls.join(' '));
    qsizetype position = 0;
    for (const QString& code : codes) {
        const QStringList owners = QStringList{QStringLiteral("qmk")} + names;
        for (const QString& owner : owners) {
            const QString url = urls.at(position++);
            FUZZ_CHECK(FuzzSupport::isBelowStorage(url), url);
            const QString expected = owner + QLatin1Char('_') + code + QStringLiteral(".qm");
            const QString delivered = HttpRequestHandler::fileNameOf(QUrl(url, QUrl::TolerantMode));
            FUZZ_CHECK(delivered == expected,
                       expected + QStringLiteral(" arrives as ") + delivered);
            FUZZ_CHECK(NameCheck::isPlainFileName(delivered), delivered);
            FUZZ_CHECK(TranslationFiles::languageCodeOf(delivered) == code, delivered);
        }
    }
    return 0;
}
