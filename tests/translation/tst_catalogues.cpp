#include "commonstringmanager.h"
#include "devicetexts.h"
#include "kelvostringmanager.h"
#include "translator.h"

#include <QImage>
#include <QMetaEnum>
#include <QTranslator>
#include <QtTest>

// The shell's compiled catalogues as the demo storage serves them, and the plug-in kit's as
// the SDK ships them: in every language of the language list, each key of both string tables
// and each text of the kit reads as a finished translation that keeps the placeholders, line
// breaks and names of its English text, and the language's flag loads.
class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void languageIsComplete_data();
    void languageIsComplete();

private:
    // Every text of both tables under "KEY_NAME" (common keys prefixed "common.") and of the
    // kit (under "kit.<number>"), as read with the translators installed at the time of the call.
    static QMap<QString, QString> allTexts();

    QMap<QString, QString> m_english;
};

namespace {

// Texts that are the same word in English and in several languages, or a product name.
const QStringList SAME_AS_ENGLISH = {
    QStringLiteral("Quillmark"),   QStringLiteral("OK"),      QStringLiteral("Format"),
    QStringLiteral("Information"), QStringLiteral("Version"), QStringLiteral("Configuration"),
    QStringLiteral("Description"), QStringLiteral("Stop"),    QStringLiteral("Wind"),
    QStringLiteral("No"),          QStringLiteral("Error"),   QStringLiteral("Password"),
    QStringLiteral("Object"),      QStringLiteral("Name"),    QStringLiteral("Firmware"),
    QStringLiteral("no")};

// Month names and abbreviations that some languages write as English does.
const QStringList SHARED_MONTH_NAMES = {
    QStringLiteral("Jan"),     QStringLiteral("Feb"),       QStringLiteral("Mar"),
    QStringLiteral("Apr"),     QStringLiteral("May"),       QStringLiteral("Jun"),
    QStringLiteral("Jul"),     QStringLiteral("Aug"),       QStringLiteral("Sep"),
    QStringLiteral("Nov"),     QStringLiteral("Dec"),       QStringLiteral("April"),
    QStringLiteral("August"),  QStringLiteral("September"), QStringLiteral("November"),
    QStringLiteral("December")};
const QStringList LANGUAGES_SHARING_MONTH_NAMES = {QStringLiteral("de"), QStringLiteral("tr")};

// What a translation must carry over unchanged wherever the English text has it.
const QStringList KEPT_AS_THEY_ARE = {QStringLiteral("%1"),
                                      QStringLiteral("%2"),
                                      QStringLiteral("QMK"),
                                      QStringLiteral("KNX"),
                                      QStringLiteral("PDF"),
                                      QStringLiteral("Brennhof"),
                                      QStringLiteral(QUILLMARK_MAKER_WEB_ADDRESS)};

bool mayStayEnglish(const QString& code, const QString& text)
{
    return code == QStringLiteral("en") || SAME_AS_ENGLISH.contains(text) ||
           (LANGUAGES_SHARING_MONTH_NAMES.contains(code) && SHARED_MONTH_NAMES.contains(text));
}

QString resourcePath(const QString& url)
{
    return url.startsWith(QStringLiteral("qrc:")) ? url.mid(3) : url;
}

} // namespace

QMap<QString, QString> TestCatalogues::allTexts()
{
    KelvoStringManager::instance()->initialize();
    CommonStringManager::instance()->initialize();
    QMap<QString, QString> texts;
    const QMetaEnum kelvoKeys = QMetaEnum::fromType<KelvoStrings::Keys>();
    for (int i = 0; i < kelvoKeys.keyCount(); ++i)
        texts.insert(
            QString::fromLatin1(kelvoKeys.key(i)),
            KelvoStringManager::instance()->getText(KelvoStrings::Keys(kelvoKeys.value(i))));
    const QMetaEnum commonKeys = QMetaEnum::fromType<CommonStrings::Keys>();
    for (int i = 0; i < commonKeys.keyCount(); ++i)
        texts.insert(
            QStringLiteral("common.") + QString::fromLatin1(commonKeys.key(i)),
            CommonStringManager::instance()->getText(CommonStrings::Keys(commonKeys.value(i))));
    for (int i = 0; i < DeviceTexts::TEXT_COUNT; ++i)
        texts.insert(QStringLiteral("kit.%1").arg(i), DeviceTexts::text(DeviceTexts::Text(i)));
    return texts;
}

void TestCatalogues::initTestCase()
{
    m_english = allTexts();
    QCOMPARE(m_english.size(), 61 + 111 + DeviceTexts::TEXT_COUNT);
}

void TestCatalogues::languageIsComplete_data()
{
    QTest::addColumn<QString>("code");
    QCOMPARE(Translator::languageCodes().size(), 19);
    for (const QString& code : Translator::languageCodes())
        QTest::newRow(qPrintable(code)) << code;
}

void TestCatalogues::languageIsComplete()
{
    QFETCH(QString, code);
    QVERIFY2(!QImage(resourcePath(Translator::codeToImage().value(code))).isNull(),
             "the flag does not load");

    const QString file = QStringLiteral(SHELL_CATALOGUES "/qmk_%1.qm").arg(code);
    QTranslator catalogue;
    QVERIFY2(catalogue.load(file), qPrintable(file));
    const QString kitFile = QStringLiteral(KIT_CATALOGUES "/quillmarkkit_%1.qm").arg(code);
    QTranslator kitCatalogue;
    QVERIFY2(kitCatalogue.load(kitFile), qPrintable(kitFile));
    QCoreApplication::installTranslator(&catalogue);
    QCoreApplication::installTranslator(&kitCatalogue);
    const QMap<QString, QString> texts = allTexts();
    QCoreApplication::removeTranslator(&kitCatalogue);
    QCoreApplication::removeTranslator(&catalogue);

    QStringList faults;
    for (auto it = m_english.cbegin(); it != m_english.cend(); ++it) {
        const QString& english = it.value();
        const QString text = texts.value(it.key());
        const auto fault = [&](const char* what) {
            faults << QStringLiteral("%1 %2: \"%3\"").arg(it.key(), QLatin1String(what), text);
        };
        if (text.trimmed().isEmpty())
            fault("is empty");
        else if (text == english && !mayStayEnglish(code, text))
            fault("is untranslated");
        if (text.count(QLatin1Char('\n')) != english.count(QLatin1Char('\n')))
            fault("has other line breaks");
        for (const QString& kept : KEPT_AS_THEY_ARE) {
            if (english.contains(kept) && text.count(kept) != english.count(kept))
                faults << QStringLiteral("%1 lost \"%2\": \"%3\"").arg(it.key(), kept, text);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
