#include "commonstringmanager.h"
#include "globals.h"
#include "kelvostringmanager.h"
#include "languagelistmodel.h"
#include "storageserver.h"
#include "testenvironment.h"
#include "translator.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QtTest>

// The shell's translations as a German-speaking user gets them on the first start: the storage
// server serves the assembled demo storage, the system locale is Swiss German, and nothing has
// been downloaded or chosen before.
class TestGermanStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsAreGerman_data();
    void textsAreGerman();
    void qmlTextsAreGerman();
    void languageListOffersTheDemoLanguages();

private:
    TestEnvironment m_environment;
    StorageServer* m_server = nullptr;
    QQmlEngine m_engine;
    Translator* m_translator = nullptr;
};

void TestGermanStart::initTestCase()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_CH"));
    const QString root =
        qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/demo-storage");
    m_server = new StorageServer(root, this);
    QVERIFY(m_server->listen(QHostAddress::LocalHost, 0));
    qputenv("QUILLMARK_SERVER_URL",
            QStringLiteral("http://127.0.0.1:%1/").arg(m_server->serverPort()).toUtf8());

    m_translator = new Translator(&m_engine, m_engine.rootContext());
    m_translator->setParent(this);
    QCOMPARE(m_translator->currentLanguage(), Translator::GERMAN);
    bool finished = false;
    m_translator->downloadTranslations(Globals::KELVO_APP_ID, this, [&finished] {
        KelvoStringManager::instance()->initialize();
        CommonStringManager::instance()->initialize();
        finished = true;
    });
    QVERIFY(QTest::qWaitFor([&finished] { return finished; }, 20000));
}

void TestGermanStart::textsAreGerman_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("shell button") << KelvoStringManager::instance()->getText(
                                         KelvoStrings::BTN_CANCEL)
                                  << "Abbrechen";
    QTest::newRow("shell text with a disambiguation")
        << KelvoStringManager::instance()->getText(KelvoStrings::TXT_SHOW_TOOLTIPS)
        << "Tooltips anzeigen";
    QTest::newRow("shell text ending in the web address")
        << KelvoStringManager::instance()->getText(KelvoStrings::TXT_DOWNLOAD_FAILED)
        << "Download fehlgeschlagen. Bitte versuchen Sie es erneut. Besteht das Problem "
           "weiterhin, finden Sie die neueste Version unter " QUILLMARK_MAKER_WEB_ADDRESS ".";
    QTest::newRow("common short month")
        << CommonStringManager::instance()->getText(CommonStrings::TXT_MARCH_SHORT) << "Mär";
    QTest::newRow("common weekday")
        << CommonStringManager::instance()->getText(CommonStrings::TXT_THURSDAY) << "Donnerstag";
    QTest::newRow("plug-in text") << QCoreApplication::translate("DeviceView", "Wind alarm (m/s)")
                                  << "Windalarm (m/s)";
}

void TestGermanStart::textsAreGerman()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestGermanStart::qmlTextsAreGerman()
{
    QQmlComponent component(&m_engine);
    component.setData("import QtQml\nQtObject { property string caption: "
                      "qsTranslate(\"QTranslator\", \"Language selection\") + \" \" + language }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("caption").toString(), QStringLiteral("Sprachauswahl de"));
}

void TestGermanStart::languageListOffersTheDemoLanguages()
{
    // Every demo plug-in and the shell have a catalogue for each of these languages.
    QCOMPARE(LanguageListModel::languageCodesOnDisk(),
             (QStringList{"cn", "cs", "da", "de", "el", "en", "es", "fi", "fr", "hu", "it", "nl",
                          "nn", "pl", "pt", "ru", "sv", "tr", "uk"}));
    QCOMPARE(QSettings().value(Globals::LANGUAGE_KEY).toString(), QStringLiteral("de"));
}

int main(int argc, char* argv[])
{
    // The system locale is read from the environment when the application starts.
    qputenv("LC_ALL", "de_CH.UTF-8");
    QGuiApplication application(argc, argv);
    TestGermanStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_germanstart.moc"
