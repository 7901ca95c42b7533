#include "assemblyinstructions.h"
#include "globals.h"
#include "helpsites.h"
#include "licensetexts.h"
#include "passwordcodes.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// The controller's helpers: licence texts, help pages, assembly instructions and the
// forgotten-password codes.
class TestKelvoHelpers : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_environment.clear(); }
    void licenseTexts_data();
    void licenseTexts();
    void helpSitePathByLanguage_data();
    void helpSitePathByLanguage();
    void assemblyInstructionChoice_data();
    void assemblyInstructionChoice();
    void malformedCodeResources_data();
    void malformedCodeResources();
    void shippedCodeResourceIsWellFormed();

private:
    TestEnvironment m_environment;
};

void TestKelvoHelpers::licenseTexts_data()
{
    QTest::addColumn<QString>("license");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("begins");

    QTest::newRow("terms of use, English") << "TermsOfUse_en.txt"
                                           << ":/6/TermsOfUse_en.txt"
                                           << "Terms of Use of Quillmark";
    QTest::newRow("terms of use, German, UTF-8") << "TermsOfUse_de.txt"
                                                 << ":/6/TermsOfUse_de.txt"
                                                 << "Nutzungsbedingungen für Quillmark";
    QTest::newRow("shell licence") << "LICENSE.txt"
                                   << ":/LICENSE.txt"
                                   << "Quillmark Software Licence";
    QTest::newRow("FDL") << "LICENSE_FDL.txt"
                         << ":/LICENSE_FDL.txt"
                         << "GNU Free Documentation License";
    QTest::newRow("Python") << "LICENSE_PYTHON.txt"
                            << ":/LICENSE_PYTHON.txt"
                            << "A. HISTORY OF THE SOFTWARE";
    QTest::newRow("listing") << "ThirdPartySoftware_Listing.txt"
                             << ":/ThirdPartySoftware_Listing.txt"
                             << "Quillmark – Third-Party";
    QTest::newRow("unknown") << "LICENSE_MIT.txt"
                             << ":/LICENSE_MIT.txt"
                             << "";
    QTest::newRow("terms elsewhere are not read") << "../TermsOfUse_en.txt"
                                                  << ":/6/../TermsOfUse_en.txt"
                                                  << "";
}

void TestKelvoHelpers::licenseTexts()
{
    QFETCH(QString, license);
    QFETCH(QString, resource);
    QFETCH(QString, begins);

    QCOMPARE(LicenseTexts::resourcePath(license), resource);
    const QString text = LicenseTexts::read(license);
    if (begins.isEmpty())
        QCOMPARE(text, QString());
    else
        QVERIFY2(text.trimmed().startsWith(begins), qPrintable(text.left(80)));
}

void TestKelvoHelpers::helpSitePathByLanguage_data()
{
    QTest::addColumn<QString>("languageCode");
    QTest::addColumn<QString>("page");

    QTest::newRow("German") << "de"
                            << "kastorplus/de/general_de.html";
    QTest::newRow("Chinese") << "cn"
                             << "kastorplus/cn/general_cn.html";
    QTest::newRow("Spanish") << "es"
                             << "kastorplus/es/general_es.html";
    QTest::newRow("Danish has no page") << "da"
                                        << "kastorplus/en/general_en.html";
    QTest::newRow("Ukrainian has no page") << "uk"
                                           << "kastorplus/en/general_en.html";
}

void TestKelvoHelpers::helpSitePathByLanguage()
{
    QFETCH(QString, languageCode);
    QFETCH(QString, page);
    QCOMPARE(HelpSites::localPath(QStringLiteral("kastorplus"), languageCode),
             Globals::appDataPath() + QStringLiteral("/help_sites/") + page);
}

void TestKelvoHelpers::assemblyInstructionChoice_data()
{
    QTest::addColumn<QStringList>("files"); // below assembly_instructions/kastorplus/
    QTest::addColumn<bool>("isKNX");
    QTest::addColumn<QString>("languageCode");
    QTest::addColumn<QString>("chosen"); // "" opens the folder

    const QStringList both{"kastorplus_montage_de.pdf", "kastorplus_montage_en.pdf",
                           "kastorplus_ets_pdb_de.pdf", "kastorplus_ets_pdb_EN.pdf"};
    QTest::newRow("current language") << both << false << "de"
                                      << "kastorplus_montage_de.pdf";
    QTest::newRow("English fallback") << both << false << "fr"
                                      << "kastorplus_montage_en.pdf";
    QTest::newRow("KNX picks the product database, case-insensitive")
        << both << true << "it"
        << "kastorplus_ets_pdb_EN.pdf";
    QTest::newRow("KNX in the current language") << both << true << "de"
                                                 << "kastorplus_ets_pdb_de.pdf";
    QTest::newRow("plug-in name case-insensitive")
        << QStringList{"KastorPlus_Montage_FR.pdf"} << false << "fr"
        << "KastorPlus_Montage_FR.pdf";
    QTest::newRow("neither language nor English")
        << QStringList{"kastorplus_montage_pl.pdf"} << false << "de"
        << "";
    QTest::newRow("other product's file") << QStringList{"pelion_montage_de.pdf"} << false << "de"
                                          << "";
    QTest::newRow("file in a subfolder")
        << QStringList{"2024/kastorplus_montage_de.pdf"} << false << "de"
        << "2024/kastorplus_montage_de.pdf";
    QTest::newRow("no files") << QStringList{} << false << "de"
                              << "";
}

void TestKelvoHelpers::assemblyInstructionChoice()
{
    QFETCH(QStringList, files);
    QFETCH(bool, isKNX);
    QFETCH(QString, languageCode);
    QFETCH(QString, chosen);

    const QString folder =
        Globals::appDataPath() + QStringLiteral("/assembly_instructions/kastorplus/");
    for (const QString& file : files) {
        QVERIFY(QDir().mkpath(QFileInfo(folder + file).absolutePath()));
        QFile pdf(folder + file);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    const AssemblyInstructions::Choice choice =
        AssemblyInstructions::choose(QStringLiteral("kastorplus"), isKNX, languageCode);
    QCOMPARE(choice.folder, folder);
    QCOMPARE(choice.fileName, QFileInfo(chosen).fileName());
    QCOMPARE(choice.path, folder + chosen);
}

void TestKelvoHelpers::malformedCodeResources_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("header only") << QByteArray("<TST 01.02.2024>\n") << false;
    QTest::newRow("line without star") << QByteArray("<TST 01.02.2024>\nABCDE\n") << false;
    QTest::newRow("empty digest") << QByteArray("<TST 01.02.2024>\nABCDE*\n") << false;
    QTest::newRow("blank lines and CR LF are skipped")
        << QByteArray("<TST 01.02.2024>\r\n\r\nABCDE*xyz=\r\n\r\n") << true;
}

void TestKelvoHelpers::malformedCodeResources()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, drawn);

    const QString path = m_environment.root() + QStringLiteral("/codes.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    const std::optional<PasswordCodes::Code> code = PasswordCodes::draw(path);
    QCOMPARE(bool(code), drawn);
    if (drawn)
        QCOMPARE(code->customerCode + '*' + code->expectedDigest + ' ' + code->tag,
                 QStringLiteral("ABCDE*xyz= TST"));
    QVERIFY(!PasswordCodes::draw(path + QStringLiteral(".missing")));
}

// The resource that goes into the executable: a header and 400 distinct code lines.
void TestKelvoHelpers::shippedCodeResourceIsWellFormed()
{
    const QStringList lines =
        readFile(QStringLiteral(SOURCE_DIR "/assets/codes/codeCustomer.txt")).split('\n');
    QCOMPARE(lines.size(), 402); // the last line ends with a line end
    QVERIFY(lines.last().isEmpty());
    QVERIFY2(QRegularExpression(QStringLiteral("^<[A-Z]+ \\d\\d\\.\\d\\d\\.\\d{4}>$"))
                 .match(lines.first())
                 .hasMatch(),
             qPrintable(lines.first()));
    static const QRegularExpression codeLine(QStringLiteral("^[A-Z0-9]{5}\\*[A-Za-z0-9+/]{86}==$"));
    QSet<QString> customerCodes;
    for (const QString& line : lines.mid(1, 400)) {
        QVERIFY2(codeLine.match(line).hasMatch(), qPrintable(line));
        customerCodes.insert(line.left(5));
    }
    QCOMPARE(customerCodes.size(), 400);
}

QTEST_GUILESS_MAIN(TestKelvoHelpers)
#include "tst_kelvohelpers.moc"
