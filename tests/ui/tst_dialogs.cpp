#include "bundlemanager.h"
#include "kelvo.h"
#include "shell.h"
#include "storageserver.h"
#include "translationfiles.h"
#include "translator.h"
#include "uiharness.h"

#include <QDir>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The update dialog, the what's-new window, the about pop-up and the user settings, driven
// through the real main window against the storage server.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void upToDateShowsForTwoSecondsThenCloses();
    void downloadInstallsAndStartsTheExtractor();
    void laterHoldsUntilANewerVersion_data();
    void laterHoldsUntilANewerVersion();
    void failedCheckStopsTheSpinner();
    void errorsAreShownUntilTheNextChangelog_data();
    void errorsAreShownUntilTheNextChangelog();
    void whatsNewPagesThroughToClose();
    void aboutShowsLicencesInTheUsersLanguage();
    void languageGridWithOneCode();
    void partsHiddenAtStartOpenTwice_data();
    void partsHiddenAtStartOpenTwice();

private:
    int dialogState() const { return m_dialog->property("updateDialogState").toInt(); }
    bool spinning() const { return m_header->property("checkingForUpdates").toBool(); }
    QString boxText() const;
    QString text(KelvoStrings::Keys key) const
    {
        return m_ui.shell()->kelvo()->getTranslation(key);
    }
    void setServerVersion(const QByteArray& version);
    Translator* translator() const;

    UiHarness m_ui;
    QObject* m_dialog = nullptr;
    QObject* m_header = nullptr;
};

void TestDialogs::initTestCase()
{
    QVERIFY(m_ui.start());
    m_dialog = m_ui.find(QStringLiteral("updateDialog"));
    m_header = m_ui.find(QStringLiteral("companyHeader"));
    QVERIFY(m_dialog && m_header);
}

void TestDialogs::cleanup()
{
    m_dialog->setProperty("updateDialogState", 0);
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QString TestDialogs::boxText() const
{
    return m_ui.findIn(m_dialog, QStringLiteral("changeLogText"))->property("text").toString();
}

Translator* TestDialogs::translator() const
{
    return qobject_cast<Translator*>(
        m_ui.shell()->engine().rootContext()->contextProperty("translator").value<QObject*>());
}

void TestDialogs::setServerVersion(const QByteArray& version)
{
    QFile info(m_ui.storagePath() + QStringLiteral("kelvo.info"));
    QVERIFY(info.open(QIODevice::WriteOnly | QIODevice::Truncate));
    info.write("{ \"version\": \"" + version + "\" }");
}

void TestDialogs::upToDateShowsForTwoSecondsThenCloses()
{
    setServerVersion("2.1.0");
    m_ui.click(m_ui.item(QStringLiteral("updateButton")));
    QVERIFY(spinning());
    QTRY_COMPARE(dialogState(), 4);
    QElapsedTimer shown;
    shown.start();
    QVERIFY(!spinning());
    QCOMPARE(m_ui.findIn(m_dialog, QStringLiteral("updateLabel"))->property("labelText").toString(),
             text(KelvoStrings::TXT_IS_UP_TO_DATE));
    QTRY_COMPARE_WITH_TIMEOUT(dialogState(), 0, 4000);
    QVERIFY2(shown.elapsed() >= 1900, qPrintable(QString::number(shown.elapsed())));
}

void TestDialogs::downloadInstallsAndStartsTheExtractor()
{
    setServerVersion("2.2.0");
    m_ui.click(m_ui.item(QStringLiteral("updateButton")));
    QTRY_COMPARE(dialogState(), 1);
    QVERIFY(!boxText().isEmpty());
    QCOMPARE(boxText(), m_dialog->property("changeLog").toString());

    QQuickItem* download = m_ui.findIn(m_dialog, QStringLiteral("downloadButton"));
    QTRY_VERIFY(download->isVisible());
    m_ui.click(download);
    QCOMPARE(dialogState(), 2);
    QVERIFY(spinning());
    QTRY_COMPARE(dialogState(), 3);
    QVERIFY(!spinning());

    const QString record =
        m_ui.appDataPath() + QStringLiteral("/bundleUpdate/BhZipper.starts.jsonl");
    QVERIFY(!QFile::exists(record));
    QTRY_VERIFY(download->isVisible());
    m_ui.click(download);
    QTRY_VERIFY(QFile::exists(record));
}

void TestDialogs::laterHoldsUntilANewerVersion_data()
{
    QTest::addColumn<QByteArray>("offered");
    QTest::addColumn<bool>("shownAtStart");

    QTest::newRow("the version put off") << QByteArray("2.2.0") << false;
    QTest::newRow("an older one") << QByteArray("2.1.5") << false;
    QTest::newRow("a newer one") << QByteArray("2.3.0") << true;
}

void TestDialogs::laterHoldsUntilANewerVersion()
{
    QFETCH(QByteArray, offered);
    QFETCH(bool, shownAtStart);

    setServerVersion("2.2.0");
    m_ui.click(m_ui.item(QStringLiteral("updateButton")));
    QTRY_COMPARE(dialogState(), 1);
    m_ui.click(m_ui.findIn(m_dialog, QStringLiteral("updateCancelButton")));
    QCOMPARE(dialogState(), 0);

    // The check that every start makes.
    setServerVersion(offered);
    QSignalSpy served(m_ui.server(), &StorageServer::requestServed);
    QSignalSpy details(m_ui.shell()->kelvo(), &Kelvo::sendKelvoDetails);
    BundleManager::instance()->checkForUpdates();
    QVERIFY(details.wait());
    if (shownAtStart) {
        QTRY_COMPARE(dialogState(), 1);
        QCOMPARE(m_dialog->property("version").toByteArray(), offered);
        return;
    }
    // The server answers in turn: once a further check is answered, a changelog asked for by
    // the first one would have been served.
    BundleManager::instance()->checkForUpdates();
    QVERIFY(details.wait());
    for (const QList<QVariant>& request : served)
        QVERIFY2(!request.at(1).toString().endsWith(QLatin1String("changelog.json")),
                 "the changelog was fetched");
    QCOMPARE(dialogState(), 0);
    // Asked for, the version put off is offered all the same.
    m_ui.click(m_ui.item(QStringLiteral("updateButton")));
    QTRY_COMPARE(dialogState(), 1);
    QCOMPARE(m_dialog->property("version").toByteArray(), offered);
}

void TestDialogs::failedCheckStopsTheSpinner()
{
    QVERIFY(QFile::remove(m_ui.storagePath() + QStringLiteral("kelvo.info")));
    QSignalSpy failed(BundleManager::instance(), &BundleManager::downloadFailed);
    m_ui.click(m_ui.item(QStringLiteral("updateButton")));
    QVERIFY(spinning());
    QVERIFY(failed.wait(5000));
    QVERIFY(!spinning());
    QCOMPARE(dialogState(), 0);
}

void TestDialogs::errorsAreShownUntilTheNextChangelog_data()
{
    QTest::addColumn<int>("appId");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("stateAfter");
    QTest::addColumn<int>("textKey");

    QTest::newRow("changelog shown")
        << 6 << 1 << int(BundleManager::JSON_CORRUPT) << 1 << int(KelvoStrings::TXT_NO_JSON);
    QTest::newRow("downloading") << 6 << 2 << int(BundleManager::DOWNLOAD_FAILED) << 5
                                 << int(KelvoStrings::TXT_DOWNLOAD_FAILED);
    QTest::newRow("ready to install")
        << 6 << 3 << int(BundleManager::ARCHIVE_LOST) << 5 << int(KelvoStrings::TXT_UPDATE_CORRUPT);
    QTest::newRow("up to date") << 6 << 4 << int(BundleManager::DOWNLOAD_INCOMPLETE) << 5
                                << int(KelvoStrings::TXT_DOWNLOAD_INCOMPLETE);
    QTest::newRow("other application") << 7 << 2 << int(BundleManager::ARCHIVE_LOST) << 2 << -1;
}

void TestDialogs::errorsAreShownUntilTheNextChangelog()
{
    QFETCH(int, appId);
    QFETCH(int, state);
    QFETCH(int, error);
    QFETCH(int, stateAfter);
    QFETCH(int, textKey);
    BundleManager* bundle = BundleManager::instance();

    emit bundle->changeLogAvailable(6, QStringLiteral("Fixes: \n\nolder\n"));
    emit bundle->changeLogAvailable(appId + 1, QStringLiteral("not ours"));
    QCOMPARE(boxText(), QStringLiteral("Fixes: \n\nolder\n"));
    m_dialog->setProperty("updateDialogState", state);
    m_header->setProperty("checkingForUpdates", true);

    emit bundle->errorOccured(appId, BundleManager::UpdateErrors(error));
    QCOMPARE(dialogState(), stateAfter);
    QCOMPARE(boxText(), textKey < 0 ? QStringLiteral("Fixes: \n\nolder\n")
                                    : text(KelvoStrings::Keys(textKey)));
    QCOMPARE(spinning(), textKey < 0);

    // A later changelog replaces the error text.
    emit bundle->changeLogAvailable(6, QStringLiteral("Fixes: \n\nnewer\n"));
    QCOMPARE(dialogState(), 1);
    QCOMPARE(boxText(), QStringLiteral("Fixes: \n\nnewer\n"));
    m_header->setProperty("checkingForUpdates", false);
}

void TestDialogs::whatsNewPagesThroughToClose()
{
    m_ui.click(m_ui.item(QStringLiteral("userButton")));
    QQuickItem* settings = m_ui.item(QStringLiteral("userSettings"));
    QTRY_COMPARE(settings->property("y").toReal(),
                 m_ui.item(QStringLiteral("companyHeader"))->height());
    m_ui.click(m_ui.findIn(settings, QStringLiteral("showWhatsNew")));
    // The what's-new window of the first start is still around, closed.
    QQuickWindow* window = nullptr;
    for (QQuickWindow* candidate :
         m_ui.window()->findChildren<QQuickWindow*>(QStringLiteral("whatsNewWindow"))) {
        if (candidate->isVisible())
            window = candidate;
    }
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QQuickItem* back = m_ui.findIn(window->contentItem(), QStringLiteral("whatsNewBackButton"));
    QQuickItem* next = m_ui.findIn(window->contentItem(), QStringLiteral("whatsNewNextButton"));
    QQuickItem* pages = m_ui.findIn(window->contentItem(), QStringLiteral("whatsNewPages"));
    QCOMPARE(pages->property("count").toInt(), 6);
    QVERIFY(!back->isVisible());
    for (int page = 1; page < 6; ++page) {
        QCOMPARE(next->property("buttonText").toString(), text(KelvoStrings::TXT_NEXT));
        m_ui.click(next);
        QTRY_COMPARE(pages->property("currentIndex").toInt(), page);
        QTRY_VERIFY(back->isVisible());
    }
    QCOMPARE(next->property("buttonText").toString(),
             m_ui.shell()->kelvo()->getCommonTranslation(CommonStrings::TXT_CLOSE));
    m_ui.click(back);
    QTRY_COMPARE(pages->property("currentIndex").toInt(), 4);
    m_ui.click(next);
    QTRY_COMPARE(pages->property("currentIndex").toInt(), 5);
    m_ui.click(next);
    QTRY_VERIFY(!window->isVisible());
    // Back in the main window, as the user's next click would make it.
    m_ui.window()->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_ui.window()));
    m_ui.click(m_ui.item(QStringLiteral("userButton")));
}

void TestDialogs::aboutShowsLicencesInTheUsersLanguage()
{
    // The process runs in English: the terms of use are the English ones from the start.
    QCOMPARE(translator()->currentLanguage(), Translator::ENGLISH);
    m_ui.click(m_ui.item(QStringLiteral("aboutButton")));
    QObject* about = m_ui.find(QStringLiteral("aboutPopUp"));
    QTRY_VERIFY(about->property("opened").toBool());
    QCOMPARE(about->property("termsOfUse").toString(), QStringLiteral("TermsOfUse_en.txt"));

    auto* content = about->property("contentItem").value<QQuickItem*>();
    m_ui.click(m_ui.findIn(content, QStringLiteral("license_LICENSE.txt")));
    QTRY_COMPARE(about->property("licenseText").toString(),
                 m_ui.shell()->kelvo()->getLicenseText(QStringLiteral("LICENSE.txt")));
    QVERIFY(!about->property("licenseText").toString().isEmpty());
    QTRY_COMPARE(about->property("height").toReal(), m_ui.window()->height() - 50.0);

    QTest::keyClick(m_ui.window(), Qt::Key_Escape);
    QTRY_VERIFY(!about->property("visible").toBool());
    QTRY_COMPARE(about->property("licenseText").toString(), QString());
    QTRY_COMPARE(about->property("height").toReal(), 320.0);
}

void TestDialogs::languageGridWithOneCode()
{
    // Only the English files are left on disk.
    const QStringList files = TranslationFiles::filesOnDisk();
    QVERIFY(!files.isEmpty());
    for (const QString& path : files) {
        if (TranslationFiles::languageCodeOf(QFileInfo(path).fileName()) != QLatin1String("en"))
            QVERIFY(QFile::remove(path));
    }

    QQmlEngine& engine = m_ui.shell()->engine();
    QQmlComponent component(&engine);
    component.setData("import app.src.presentation_layer.assets.kelvo_controls\nUserSettings {}",
                      QUrl(QStringLiteral("qrc:/OneLanguage.qml")));
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto* settings = qobject_cast<QQuickItem*>(object.get());
    settings->setParentItem(m_ui.window()->contentItem());
    settings->setSize(m_ui.window()->size());
    settings->setZ(100);

    // The drawer is made when it is first shown.
    QVERIFY(QMetaObject::invokeMethod(settings, "show"));
    QQuickItem* grid = m_ui.findIn(settings, QStringLiteral("languageGrid"));
    QList<QQuickItem*> buttons;
    for (QQuickItem* child : grid->childItems()) {
        if (child->inherits("QQuickItem") && child->objectName() != QString())
            buttons << child;
    }
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.first()->objectName(), Translator::codeToObjectName().value("en"));
    QVERIFY(buttons.first()->property("isSelected").toBool());

    QSignalSpy changed(object.get(), SIGNAL(changedLanguage()));
    m_ui.click(buttons.first());
    QCOMPARE(changed.count(), 1);
    QVERIFY(buttons.first()->property("isSelected").toBool());
    QCOMPARE(translator()->currentLanguage(), Translator::ENGLISH);
}

namespace {

// How a part hidden at start is opened, and how it shows that it is closed again.
enum class Opening { Click, KeySequence, PasswordRequest };
enum class Closed { Hidden, SlidAbove, StatusBoxDown, DialogStateZero };

} // namespace

void TestDialogs::partsHiddenAtStartOpenTwice_data()
{
    QTest::addColumn<int>("opening");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("closer");
    QTest::addColumn<int>("closed");
    const auto row = [](const char* name, Opening opening, const char* opener, const char* part,
                        const char* inner, const char* closer, Closed closed) {
        QTest::newRow(name) << int(opening) << QString::fromLatin1(opener)
                            << QString::fromLatin1(part) << QString::fromLatin1(inner)
                            << QString::fromLatin1(closer) << int(closed);
    };
    row("user settings", Opening::Click, "userButton", "userSettings", "tooltipsToggle",
        "userButton", Closed::SlidAbove);
    row("assembly instructions", Opening::Click, "moiButton", "assemblyInstructions",
        "kastorPlusInstructions", "moiButton", Closed::SlidAbove);
    row("about", Opening::Click, "aboutButton", "aboutPopUp", "aboutVersion", "", Closed::Hidden);
    row("settings entry", Opening::KeySequence, "Ctrl+T,Ctrl+C", "shortcutPopup", "settingsField",
        "", Closed::Hidden);
    row("status box", Opening::Click, "viewButton", "statusBox", "searchInput", "viewButton",
        Closed::StatusBoxDown);
    row("password", Opening::PasswordRequest, "", "forgottenPasswordPopUp", "unlockCodeInput",
        "cancelButton", Closed::Hidden);
    row("update", Opening::Click, "updateButton", "updateDialog", "updateLabel",
        "updateCancelButton", Closed::DialogStateZero);
}

void TestDialogs::partsHiddenAtStartOpenTwice()
{
    QFETCH(int, opening);
    QFETCH(QString, opener);
    QFETCH(QString, part);
    QFETCH(QString, inner);
    QFETCH(QString, closer);
    QFETCH(int, closed);
    // Pop-ups keep their items in their content item, the rest below themselves.
    const auto within = [this](QObject* found, const QString& name) -> QQuickItem* {
        if (!found)
            return nullptr;
        auto* content = found->property("contentItem").value<QQuickItem*>();
        return m_ui.findIn(content ? content : found, name);
    };
    const auto innerItem = [&] { return within(m_ui.find(part), inner); };
    // Visible and inside the window, not parked beside it.
    const auto onScreen = [this](QQuickItem* item) {
        if (!item || !item->isVisible())
            return false;
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        return QRectF(QPointF(), m_ui.window()->size()).contains(centre);
    };
    // A newer version, whose changelog keeps the update dialog open; the status box at rest,
    // as lines of earlier tests may have opened it.
    setServerVersion("2.2.0");
    QObject* statusBox = m_ui.find(QStringLiteral("statusBox"));
    statusBox->setProperty("isShown", false);
    statusBox->setProperty("isAutoMode", true);
    QQuickItem* toggle = m_ui.item(QStringLiteral("viewButton"));
    QTRY_COMPARE(toggle->mapToScene(QPointF(0, toggle->height())).y(),
                 qreal(m_ui.window()->height()));

    QPointer<QQuickItem> first;
    for (int round = 0; round < 2; ++round) {
        if (Opening(opening) == Opening::Click)
            m_ui.click(m_ui.item(opener));
        else if (Opening(opening) == Opening::KeySequence)
            QTest::keySequence(m_ui.window(), QKeySequence(opener));
        else
            m_ui.shell()->kelvo()->openForgottenPassword();
        QTRY_VERIFY(onScreen(innerItem()));
        // Made once and kept.
        if (round == 0)
            first = innerItem();
        QCOMPARE(innerItem(), first.data());

        QObject* shown = m_ui.find(part);
        if (closer.isEmpty())
            QTest::keyClick(m_ui.window(), Qt::Key_Escape);
        else
            m_ui.click(within(shown, closer) ? within(shown, closer) : m_ui.item(closer));
        switch (Closed(closed)) {
        case Closed::Hidden:
            QTRY_VERIFY(!shown->property("visible").toBool());
            break;
        case Closed::SlidAbove: {
            auto* drawer = qobject_cast<QQuickItem*>(shown);
            QTRY_VERIFY(drawer->mapToScene(QPointF(0, drawer->height())).y() <= 0);
            break;
        }
        case Closed::StatusBoxDown:
            QTRY_COMPARE(toggle->mapToScene(QPointF(0, toggle->height())).y(),
                         qreal(m_ui.window()->height()));
            break;
        case Closed::DialogStateZero: {
            QTRY_COMPARE(dialogState(), 0);
            auto* dialog = qobject_cast<QQuickItem*>(shown);
            QTRY_VERIFY(dialog->mapToScene(QPointF(0, dialog->height())).y() <= 0);
            break;
        }
        }
    }
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
