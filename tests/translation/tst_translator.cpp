#include "globals.h"
#include "languagelistmodel.h"
#include "testenvironment.h"
#include "translator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

// Choosing the language, installing the files of the language from the local translation
// folder, and the language list built from that folder.
class TestTranslator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void initialLanguage_data();
    void initialLanguage();
    void constructionUsesTheStoredLanguage();
    void setCurrentLanguageRunsInFull();
    void installsTheFilesOfTheLanguage_data();
    void installsTheFilesOfTheLanguage();
    void languageListOffersFullyCoveredLanguages_data();
    void languageListOffersFullyCoveredLanguages();
    void roles_data();
    void roles();

private:
    void placeFiles(const QStringList& relativePaths) const;
    QString folder() const
    {
        return m_environment.appDataPath() + QStringLiteral("/translations/");
    }

    TestEnvironment m_environment;
    QQmlEngine m_engine;
};

void TestTranslator::init()
{
    m_environment.clear();
}

// Every file is a valid catalogue, so that an installed translator knows its file.
void TestTranslator::placeFiles(const QStringList& relativePaths) const
{
    for (const QString& relativePath : relativePaths) {
        const QString path = folder() + relativePath;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY2(QFile::copy(QStringLiteral(TEST_CATALOGUE), path), qPrintable(path));
    }
}

void TestTranslator::initialLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("system");
    QTest::addColumn<Translator::Type>("expected");

    QTest::newRow("Swiss German system") << ""
                                         << "de_CH" << Translator::GERMAN;
    QTest::newRow("US English system") << ""
                                       << "en_US" << Translator::ENGLISH;
    QTest::newRow("Bokmål is no Norwegian") << ""
                                            << "nb_NO" << Translator::ENGLISH;
    QTest::newRow("Nynorsk system") << ""
                                    << "nn_NO" << Translator::NORWEGIAN;
    QTest::newRow("Chinese system") << ""
                                    << "zh_CN" << Translator::CHINESE;
    QTest::newRow("stored upper case") << "DE"
                                       << "en_US" << Translator::GERMAN;
    QTest::newRow("stored beats system") << "uk"
                                         << "de_DE" << Translator::UKRAINIAN;
    QTest::newRow("stored unknown") << "xx"
                                    << "de_DE" << Translator::ENGLISH;
    QTest::newRow("stored locale name lower-cased") << "de_CH"
                                                    << "de_CH" << Translator::ENGLISH;
}

void TestTranslator::initialLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, system);
    QFETCH(Translator::Type, expected);
    QCOMPARE(Translator::initialLanguage(stored, system), expected);
}

void TestTranslator::constructionUsesTheStoredLanguage()
{
    QSettings().setValue(Globals::LANGUAGE_KEY, QStringLiteral("DE"));
    placeFiles({QStringLiteral("qmk_de.qm")});
    Translator translator(&m_engine, m_engine.rootContext());

    QCOMPARE(translator.currentLanguage(), Translator::GERMAN);
    QCOMPARE(translator.currentLanguageCode(), QStringLiteral("de"));
    QCOMPARE(QSettings().value(Globals::LANGUAGE_KEY).toString(), QStringLiteral("de"));
    QCOMPARE(m_engine.rootContext()->contextProperty("language").toString(), QStringLiteral("de"));
    QCOMPARE(QCoreApplication::translate("QTranslator", "Cancel"), QStringLiteral("Abbrechen"));
}

// Switching removes the translators of the former language, and the same language once more
// still stores, publishes and announces it.
void TestTranslator::setCurrentLanguageRunsInFull()
{
    placeFiles({QStringLiteral("qmk_de.qm")});
    QSettings().setValue(Globals::LANGUAGE_KEY, QStringLiteral("de"));
    Translator translator(&m_engine, m_engine.rootContext());
    QSignalSpy changed(&translator, &Translator::currentLanguageChanged);

    translator.setCurrentLanguage(Translator::ENGLISH);
    QCOMPARE(QCoreApplication::translate("QTranslator", "Cancel"), QStringLiteral("Cancel"));
    QVERIFY(translator.installedTranslationFiles().isEmpty());

    QSettings().setValue(Globals::LANGUAGE_KEY, QStringLiteral("fr"));
    m_engine.rootContext()->setContextProperty(QStringLiteral("language"), QString());
    translator.setCurrentLanguage(Translator::ENGLISH);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().at(0).value<Translator::Type>(), Translator::ENGLISH);
    QCOMPARE(QSettings().value(Globals::LANGUAGE_KEY).toString(), QStringLiteral("en"));
    QCOMPARE(m_engine.rootContext()->contextProperty("language").toString(), QStringLiteral("en"));
}

void TestTranslator::installsTheFilesOfTheLanguage_data()
{
    QTest::addColumn<Translator::Type>("language");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    // "pelion" holds "el" and "ventus" holds "en": a plug-in's name says nothing about the
    // language of its file.
    QTest::newRow("Greek beside a plug-in named with el")
        << Translator::GREEK
        << QStringList{"qmk_el.qm", "pelion_de.qm", "pelion_el.qm", "qmk_de.qm",
                       "older/kastorplus_el.qm"}
        << QStringList{"kastorplus_el.qm", "pelion_el.qm", "qmk_el.qm"};
    QTest::newRow("English beside a plug-in named with en")
        << Translator::ENGLISH << QStringList{"ventus_de.qm", "ventus_en.qm", "qmk_en.QM"}
        << QStringList{"qmk_en.QM", "ventus_en.qm"};
    QTest::newRow("names that are no translation files of German")
        << Translator::GERMAN
        << QStringList{"kastor_plus_de.qm", "de.qm", "qmk_de.qm.part", "qmk_de_CH.qm"}
        << QStringList{"kastor_plus_de.qm"};
}

void TestTranslator::installsTheFilesOfTheLanguage()
{
    QFETCH(Translator::Type, language);
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    placeFiles(files);
    Translator translator(&m_engine, m_engine.rootContext());

    translator.setCurrentLanguage(language);
    QStringList installed;
    for (const QString& path : translator.installedTranslationFiles())
        installed << QFileInfo(path).fileName();
    installed.sort();
    QCOMPARE(installed, expected);

    // A file delivered again is not installed twice; one of another language not at all.
    translator.installNewTranslationFiles(folder() + expected.last(), expected.last());
    translator.installNewTranslationFiles(folder() + QStringLiteral("qmk_fr.qm"),
                                          QStringLiteral("qmk_fr.qm"));
    QCOMPARE(translator.installedTranslationFiles().size(), expected.size());
}

void TestTranslator::languageListOffersFullyCoveredLanguages_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no files") << QStringList{} << QStringList{"de", "en"};
    QTest::newRow("one plug-in lacks Polish")
        << QStringList{"qmk_de.qm", "qmk_en.qm", "qmk_pl.qm", "a_de.qm",
                       "a_en.qm",   "a_pl.qm",   "b_de.qm",   "b_en.qm"}
        << QStringList{"de", "en"};
    QTest::newRow("sorted by code")
        << QStringList{"qmk_da.qm", "qmk_cs.qm", "sub/qmk_cn.qm"} << QStringList{"cn", "cs", "da"};
    QTest::newRow("plug-in name with an underscore")
        << QStringList{"qmk_de.qm", "qmk_en.qm", "kastor_plus_de.qm", "kastor_plus_en.qm"}
        << QStringList{"de", "en"};
    QTest::newRow("names without a code are ignored")
        << QStringList{"qmk.qm", "notes_de.txt", "qmk_fr.qm"} << QStringList{"fr"};
}

void TestTranslator::languageListOffersFullyCoveredLanguages()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    placeFiles(files);
    QCOMPARE(LanguageListModel::languageCodesOnDisk(), expected);
}

void TestTranslator::roles_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QVariantList>("expected");

    QTest::newRow("unknown code") << "xx"
                                  << QVariantList{"languageButton",
                                                  "qrc:/images/icons/lang/english.png", 1, "xx"};
    QTest::newRow("Ukrainian") << "uk"
                               << QVariantList{"ukranianButton",
                                               "qrc:/images/icons/lang/ukrainian.png", 18, "uk"};
    QTest::newRow("Chinese") << "cn"
                             << QVariantList{"chineseButton", "qrc:/images/icons/lang/chinese.png",
                                             4, "cn"};
}

void TestTranslator::roles()
{
    QFETCH(QString, code);
    QFETCH(QVariantList, expected);
    const LanguageListModel model({QStringLiteral("de"), code});

    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(257), QByteArray("object_name"));
    QCOMPARE(names.value(260), QByteArray("language_code"));
    for (int role = 257; role <= 260; ++role)
        QCOMPARE(model.data(model.index(1), role), expected.at(role - 257));
    QCOMPARE(model.data(model.index(1), Qt::DisplayRole), QVariant(QString()));
    QCOMPARE(model.data(model.index(2), 260), QVariant(QString()));
    QCOMPARE(model.data(QModelIndex(), 260), QVariant(QString()));
}

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
