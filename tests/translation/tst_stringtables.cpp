#include "commonstringmanager.h"
#include "kelvostringmanager.h"

#include <QMetaEnum>
#include <QTranslator>
#include <QtTest>

// The two keyed string tables: their keys, their English source texts, and their lookup
// through an installed catalogue keyed by context, source text and disambiguation.
class TestStringTables : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: nothing has initialised the managers yet.
    void emptyBeforeInitialize();
    void keySetsAreComplete();
    void englishSourceTexts_data();
    void englishSourceTexts();
    void catalogueTranslatesByDisambiguation_data();
    void catalogueTranslatesByDisambiguation();

private:
    void initializeBoth();
};

void TestStringTables::initializeBoth()
{
    KelvoStringManager::instance()->initialize();
    CommonStringManager::instance()->initialize();
}

void TestStringTables::emptyBeforeInitialize()
{
    QCOMPARE(KelvoStringManager::instance()->getText(KelvoStrings::BTN_OK), QString());
    QCOMPARE(CommonStringManager::instance()->getText(CommonStrings::TXT_OK), QString());
}

void TestStringTables::keySetsAreComplete()
{
    initializeBoth();
    const QMetaEnum kelvoKeys = QMetaEnum::fromType<KelvoStrings::Keys>();
    const QMetaEnum commonKeys = QMetaEnum::fromType<CommonStrings::Keys>();
    QCOMPARE(kelvoKeys.keyCount(), 61);
    QCOMPARE(commonKeys.keyCount(), 111);
    for (int i = 0; i < kelvoKeys.keyCount(); ++i) {
        QCOMPARE(kelvoKeys.value(i), i);
        QVERIFY2(!KelvoStringManager::instance()->getText(KelvoStrings::Keys(i)).isEmpty(),
                 kelvoKeys.key(i));
    }
    for (int i = 0; i < commonKeys.keyCount(); ++i) {
        QCOMPARE(commonKeys.value(i), i);
        QVERIFY2(!CommonStringManager::instance()->getText(CommonStrings::Keys(i)).isEmpty(),
                 commonKeys.key(i));
    }
    QCOMPARE(KelvoStringManager::instance()->getText(KelvoStrings::Keys(61)), QString());
    QCOMPARE(CommonStringManager::instance()->getText(CommonStrings::Keys(-1)), QString());
}

void TestStringTables::englishSourceTexts_data()
{
    QTest::addColumn<bool>("common");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    const QString address = QStringLiteral(" " QUILLMARK_MAKER_WEB_ADDRESS ".");
    QTest::newRow("BTN_OK") << false << int(KelvoStrings::BTN_OK) << "Ok";
    QTest::newRow("TXT_OK") << true << int(CommonStrings::TXT_OK) << "OK";
    QTest::newRow("INFO_MSG_DRIVER_MISSING")
        << false << int(KelvoStrings::INFO_MSG_DRIVER_MISSING)
        << "The Plugin didn't load.\nThere could be a module missing (e.g. a driver).\n\n"
           "Please check the Brennhof Website for more information.";
    QTest::newRow("TXT_DOWNLOAD_FAILED")
        << false << int(KelvoStrings::TXT_DOWNLOAD_FAILED)
        << "Download failed. Please try again. If the problem persists, please download the "
           "latest version from" +
               address;
    QTest::newRow("TXT_DOWNLOAD_INCOMPLETE")
        << false << int(KelvoStrings::TXT_DOWNLOAD_INCOMPLETE)
        << "Download incomplete. Please try again. If the problem persists, please download the "
           "latest version from" +
               address;
    QTest::newRow("TXT_UPDATE_CORRUPT")
        << false << int(KelvoStrings::TXT_UPDATE_CORRUPT)
        << "Update could not be carried out correctly, please try again. If the problem "
           "persists, please download the latest version from" +
               address;
    QTest::newRow("WRN_MSG_UNSAVED_CHANGES (last shell key)")
        << false << int(KelvoStrings::WRN_MSG_UNSAVED_CHANGES)
        << "There are unsaved changes.\nDo you want to save the changes?";
    QTest::newRow("ERR_MSG_CREATING_PDF_REPORT")
        << true << int(CommonStrings::ERR_MSG_CREATING_PDF_REPORT)
        << "There was an error creating the PDF.Please restart the control unit.";
    QTest::newRow("TXT_O_CLOCK") << true << int(CommonStrings::TXT_O_CLOCK) << "o'clock";
    QTest::newRow("TXT_PAGE_OF") << true << int(CommonStrings::TXT_PAGE_OF) << "Page %1 of %2";
    QTest::newRow("TXT_YES (last common key)") << true << int(CommonStrings::TXT_YES) << "Yes";
}

void TestStringTables::englishSourceTexts()
{
    QFETCH(bool, common);
    QFETCH(int, key);
    QFETCH(QString, expected);
    initializeBoth();
    const QString text = common ? CommonStringManager::instance()->getText(CommonStrings::Keys(key))
                                : KelvoStringManager::instance()->getText(KelvoStrings::Keys(key));
    QCOMPARE(text, expected);
}

void TestStringTables::catalogueTranslatesByDisambiguation_data()
{
    QTest::addColumn<bool>("common");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("May") << true << int(CommonStrings::TXT_MAY) << "Mai";
    QTest::newRow("May, short form") << true << int(CommonStrings::TXT_MAY_SHORT) << "Mai.";
    QTest::newRow("Cancel in both sets (common)")
        << true << int(CommonStrings::TXT_CANCEL) << "Abbrechen";
    QTest::newRow("Cancel in both sets (shell)")
        << false << int(KelvoStrings::BTN_CANCEL) << "Abbrechen";
    QTest::newRow("untranslated") << true << int(CommonStrings::TXT_JUNE) << "June";
}

void TestStringTables::catalogueTranslatesByDisambiguation()
{
    QFETCH(bool, common);
    QFETCH(int, key);
    QFETCH(QString, expected);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(TEST_CATALOGUE)));
    QVERIFY(QCoreApplication::installTranslator(&catalogue));
    initializeBoth();
    QCoreApplication::removeTranslator(&catalogue);

    // The texts stay as they were when the tables were built.
    const QString text = common ? CommonStringManager::instance()->getText(CommonStrings::Keys(key))
                                : KelvoStringManager::instance()->getText(KelvoStrings::Keys(key));
    QCOMPARE(text, expected);
}

QTEST_MAIN(TestStringTables)
#include "tst_stringtables.moc"
