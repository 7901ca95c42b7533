#include "globals.h"
#include "kelvo.h"
#include "product.h"
#include "productmanager.h"
#include "shell.h"
#include "storageserver.h"
#include "uiharness.h"

#include <QDesktopServices>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The main window and the launcher, driven like a user drives them.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void headerColourTellsTheChannel_data();
    void headerColourTellsTheChannel();
    void notInstalledButtonDownloadsToTheInstalledLook();
    void cancellingAChangelogSendsNoRequest();
    void corruptChangelogSaysSo();
    void openStartOptionsCollapseAndDisableTheOthers();
    void messagesAppendOrStack();
    void loadingOverlayStaysHiddenUnderAPopUp();
    void closeRequestAsksAndCancelKeepsRunning();
    void deletedButtonTakesNoClicks();
    void helpButtonOpensTheServerInForce();
    void brokenComponentLeavesTheWindowUsable_data();
    void brokenComponentLeavesTheWindowUsable();

private:
    QQuickItem* button(const QString& name) const;
    int state(const QString& name) const;
    bool waitForState(const QString& name, int state) const;
    QString messageText(QObject* popup) const;
    // Heights animate: a click lands where the user sees the button once it has settled.
    static void waitForHeight(QQuickItem* item);
    void closePopUps();

    UiHarness m_ui;
    QStringList m_requests;
};

void TestMainWindow::initTestCase()
{
    // The changelog of KASTOR+ 1.4.2 is broken.
    QFile changelog(m_ui.storagePath() +
                    QStringLiteral("kastorplus/1_4_2_release/kastorplus_1_4_2.json"));
    QVERIFY(changelog.open(QIODevice::WriteOnly | QIODevice::Truncate));
    changelog.write("{ \"changelog\": [ not json");
    changelog.close();
    QVERIFY(m_ui.start());
    connect(m_ui.server(), &StorageServer::requestServed, this,
            [this](const QString&, const QString& path) { m_requests << path; });
    QVERIFY(button(QStringLiteral("VENTUS")));
}

void TestMainWindow::cleanup()
{
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QQuickItem* TestMainWindow::button(const QString& name) const
{
    return m_ui.item(QStringLiteral("pluginButton_") + name);
}

int TestMainWindow::state(const QString& name) const
{
    return button(name)->property("pluginButtonState").toInt();
}

bool TestMainWindow::waitForState(const QString& name, int wanted) const
{
    return QTest::qWaitFor([&] { return state(name) == wanted; }, 5000);
}

void TestMainWindow::waitForHeight(QQuickItem* item)
{
    QTRY_COMPARE(item->height(), item->property("lookHeight").toReal());
}

QString TestMainWindow::messageText(QObject* popup) const
{
    return popup->property("message").toString();
}

void TestMainWindow::closePopUps()
{
    QMetaObject::invokeMethod(m_ui.shell()->kelvo(), "closeDialog");
    for (QObject* popup : m_ui.window()->findChildren<QObject*>()) {
        if (popup->inherits("QQuickPopup") && popup->property("opened").toBool())
            QMetaObject::invokeMethod(popup, "close");
    }
    QTRY_VERIFY(!m_ui.find(QStringLiteral("messagePopup"))->property("visible").toBool());
}

void TestMainWindow::headerColourTellsTheChannel_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("beta") << int(Product::BETA) << QColor(Qt::yellow);
    QTest::newRow("dev") << int(Product::DEV) << QColor(Qt::red);
}

void TestMainWindow::headerColourTellsTheChannel()
{
    QFETCH(int, channel);
    QFETCH(QColor, colour);
    QQuickItem* header = m_ui.item(QStringLiteral("companyHeader"));
    QVERIFY(header->property("color").value<QColor>() != colour);

    // The header as -beta or -dev publish the channel.
    QQmlEngine& engine = m_ui.shell()->engine();
    QQmlContext context(engine.rootContext());
    context.setContextProperty(QStringLiteral("releaseState"), channel);
    QQmlComponent component(&engine);
    component.setData("import app.src.presentation_layer.assets.kelvo_controls\nBhCompanyHeader {}",
                      QUrl(QStringLiteral("qrc:/HeaderColour.qml")));
    std::unique_ptr<QObject> object(component.create(&context));
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("color").value<QColor>(), colour);
}

void TestMainWindow::notInstalledButtonDownloadsToTheInstalledLook()
{
    QQuickItem* ventus = button(QStringLiteral("VENTUS"));
    QCOMPARE(state(QStringLiteral("VENTUS")), int(Product::NOT_INSTALLED));
    QVERIFY(m_ui.findIn(ventus, QStringLiteral("statusIcon"))->isVisible());
    QCOMPARE(m_ui.findIn(ventus, QStringLiteral("versionLine"))->property("text").toString(),
             QStringLiteral("1.0.0"));

    m_ui.click(ventus);
    QVERIFY(waitForState(QStringLiteral("VENTUS"), Product::NOT_INSTALLED_CHANGELOG));
    QVERIFY(m_ui.findIn(ventus, QStringLiteral("changelogView"))->isVisible());
    QVERIFY(!m_ui.findIn(ventus, QStringLiteral("changelogText"))
                 ->property("text")
                 .toString()
                 .isEmpty());
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());

    QSignalSpy finished(ProductManager::instance(), &ProductManager::pluginsChanged);
    waitForHeight(ventus);
    m_ui.click(m_ui.findIn(ventus, QStringLiteral("downloadButton")));
    QVERIFY(finished.wait(5000));
    // The buttons are built anew from the model.
    QTRY_COMPARE(state(QStringLiteral("VENTUS")), int(Product::INSTALLED));
    ventus = button(QStringLiteral("VENTUS"));
    QVERIFY(!m_ui.findIn(ventus, QStringLiteral("statusIcon"))->isVisible());
    QVERIFY(!m_ui.findIn(ventus, QStringLiteral("changelogView"))->isVisible());
    QTRY_COMPARE(ventus->height(), button(QStringLiteral("PELION"))->height());
}

void TestMainWindow::cancellingAChangelogSendsNoRequest()
{
    QQuickItem* pelion = button(QStringLiteral("PELION"));
    m_ui.click(pelion);
    QVERIFY(waitForState(QStringLiteral("PELION"), Product::NOT_INSTALLED_CHANGELOG));
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    waitForHeight(pelion);
    m_requests.clear();
    m_ui.click(m_ui.findIn(pelion, QStringLiteral("cancelButton")));
    QCOMPARE(state(QStringLiteral("PELION")), int(Product::NOT_INSTALLED));
    QVERIFY(!m_ui.findIn(pelion, QStringLiteral("changelogView"))->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(m_requests, QStringList());
}

void TestMainWindow::corruptChangelogSaysSo()
{
    // What the server sends for KASTOR+ is no JSON: the request fails, the button stays.
    QQuickItem* kastor = button(QStringLiteral("KASTOR+"));
    QSignalSpy failed(ProductManager::instance(), &ProductManager::downloadFailed);
    m_ui.click(kastor);
    QVERIFY(failed.wait(5000));
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    QCOMPARE(state(QStringLiteral("KASTOR+")), int(Product::NOT_INSTALLED));

    // A changelog the product manager finds corrupt is named as such in the opened view.
    emit ProductManager::instance()->errorOccured(12, ProductManager::JSON_CORRUPT);
    QCOMPARE(state(QStringLiteral("KASTOR+")), int(Product::NOT_INSTALLED_CHANGELOG));
    QVERIFY(m_ui.findIn(kastor, QStringLiteral("changelogView"))->isVisible());
    QCOMPARE(m_ui.findIn(kastor, QStringLiteral("changelogText"))->property("text").toString(),
             m_ui.shell()->kelvo()->getTranslation(KelvoStrings::TXT_NO_JSON));
    waitForHeight(kastor);
    m_ui.click(m_ui.findIn(kastor, QStringLiteral("cancelButton")));
    QCOMPARE(state(QStringLiteral("KASTOR+")), int(Product::NOT_INSTALLED));
}

void TestMainWindow::openStartOptionsCollapseAndDisableTheOthers()
{
    // The buttons move while the last changelog folds away; click once they stand still.
    for (const char* name : {"KASTOR+", "PELION", "VENTUS"})
        waitForHeight(button(QString::fromLatin1(name)));
    // PELION shows its changelog when VENTUS opens its start options: it collapses.
    m_ui.click(button(QStringLiteral("PELION")));
    QVERIFY(waitForState(QStringLiteral("PELION"), Product::NOT_INSTALLED_CHANGELOG));
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());

    QQuickItem* ventus = button(QStringLiteral("VENTUS"));
    m_ui.click(ventus);
    QCOMPARE(state(QStringLiteral("VENTUS")), int(Product::INSTALLED_STARTOPTIONS));
    QVERIFY(m_ui.findIn(ventus, QStringLiteral("startOptionsList"))->isVisible());
    QVERIFY(ventus->property("contentHeight").toReal() > 0);
    QCOMPARE(state(QStringLiteral("PELION")), int(Product::NOT_INSTALLED));

    // The collapsed buttons take no clicks: no changelog is asked for.
    QSignalSpy loading(m_ui.shell()->kelvo(), &Kelvo::showSplashScreen);
    m_ui.click(button(QStringLiteral("PELION")));
    m_ui.click(button(QStringLiteral("KASTOR+")));
    QCOMPARE(loading.count(), 0);

    waitForHeight(ventus);
    m_ui.click(m_ui.findIn(ventus, QStringLiteral("cancelButton")));
    QCOMPARE(state(QStringLiteral("VENTUS")), int(Product::INSTALLED));
    m_ui.click(button(QStringLiteral("PELION")));
    QCOMPARE(loading.count(), 1);
    QVERIFY(waitForState(QStringLiteral("PELION"), Product::NOT_INSTALLED_CHANGELOG));
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    waitForHeight(button(QStringLiteral("PELION")));
    m_ui.click(m_ui.findIn(button(QStringLiteral("PELION")), QStringLiteral("cancelButton")));
    QCOMPARE(state(QStringLiteral("PELION")), int(Product::NOT_INSTALLED));
}

void TestMainWindow::messagesAppendOrStack()
{
    Kelvo* kelvo = m_ui.shell()->kelvo();
    QObject* popup = m_ui.find(QStringLiteral("messagePopup"));
    kelvo->statusUpdateReceived(QStringLiteral("first"), XEvents::INFO_MESSAGE);
    QTRY_VERIFY(popup->property("opened").toBool());
    kelvo->statusUpdateReceived(QStringLiteral("second"), XEvents::HINT_MESSAGE);
    QCOMPARE(messageText(popup), QStringLiteral("first\n") + QString(30, '-') + "\nsecond");
    closePopUps();

    kelvo->statusUpdateReceived(QStringLiteral("careful"), XEvents::WARNING_MESSAGE);
    QTRY_VERIFY(popup->property("opened").toBool());
    const auto before = m_ui.window()->findChildren<QObject*>().size();
    kelvo->statusUpdateReceived(QStringLiteral("broken"), XEvents::ERROR_MESSAGE);
    QCOMPARE(messageText(popup), QStringLiteral("careful"));
    QObject* second = nullptr;
    for (QObject* object : m_ui.window()->findChildren<QObject*>()) {
        if (object != popup && object->inherits("QQuickPopup") &&
            object->property("message").toString() == QStringLiteral("broken"))
            second = object;
    }
    QVERIFY(second);
    QVERIFY(m_ui.window()->findChildren<QObject*>().size() > before);
    QTRY_VERIFY(second->property("opened").toBool());
    QCOMPARE(second->property("popUpState").toInt(), int(XEvents::ERROR_MESSAGE));
    closePopUps();
}

void TestMainWindow::loadingOverlayStaysHiddenUnderAPopUp()
{
    Kelvo* kelvo = m_ui.shell()->kelvo();
    QObject* loading = m_ui.find(QStringLiteral("loadingRec"));
    kelvo->statusUpdateReceived(QStringLiteral("note"), XEvents::INFO_MESSAGE);
    QTRY_VERIFY(m_ui.find(QStringLiteral("messagePopup"))->property("opened").toBool());
    emit kelvo->showSplashScreen(true);
    QVERIFY(!loading->property("visible").toBool());
    closePopUps();
    emit kelvo->showSplashScreen(true);
    QVERIFY(loading->property("visible").toBool());
    emit kelvo->showSplashScreen(false);
    QTRY_VERIFY(!loading->property("visible").toBool());
}

void TestMainWindow::closeRequestAsksAndCancelKeepsRunning()
{
    QSignalSpy quit(m_ui.shell()->kelvo(), &Kelvo::quit);
    m_ui.window()->close();
    QObject* popup = m_ui.find(QStringLiteral("messagePopup"));
    QTRY_VERIFY(popup->property("opened").toBool());
    QCOMPARE(messageText(popup),
             m_ui.shell()->kelvo()->getTranslation(KelvoStrings::WRN_MSG_EXIT_BUTTON));
    QCOMPARE(popup->property("okAction").toInt(), int(XEvents::EXIT));

    m_ui.click(m_ui.findIn(popup, QStringLiteral("cancelButton")));
    QTRY_VERIFY(!popup->property("visible").toBool());
    QVERIFY(m_ui.window()->isVisible());
    QVERIFY(m_ui.window()->property("isQuittingApp").toBool());
    QCOMPARE(quit.count(), 0);
}

void TestMainWindow::deletedButtonTakesNoClicks()
{
    QQuickItem* pelion = button(QStringLiteral("PELION"));
    m_ui.click(pelion, Qt::RightButton);
    QObject* menu = pelion->findChild<QObject*>(QStringLiteral("contextMenu"));
    QVERIFY(menu);
    QTRY_VERIFY(menu->property("opened").toBool());
    QQuickItem* entry = nullptr;
    QVERIFY(
        QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem*, entry), Q_ARG(int, 0)));
    QTRY_VERIFY(entry->isVisible() && entry->height() > 0);
    m_ui.click(entry);

    // The controller asks first; OK confirms the deletion.
    QObject* popup = m_ui.find(QStringLiteral("messagePopup"));
    QTRY_VERIFY(popup->property("opened").toBool());
    QCOMPARE(popup->property("okAction").toInt(), int(XEvents::DELETE_PLUGIN));
    QSignalSpy deleted(ProductManager::instance(), &ProductManager::pluginDeleted);
    m_ui.click(m_ui.findIn(popup, QStringLiteral("okButton")));
    QTRY_COMPARE(deleted.count(), 1);
    QCOMPARE(state(QStringLiteral("PELION")), int(Product::INSTALLED_DELETED));

    QSignalSpy loading(m_ui.shell()->kelvo(), &Kelvo::showSplashScreen);
    pelion = button(QStringLiteral("PELION"));
    m_ui.click(pelion);
    m_ui.click(pelion, Qt::RightButton);
    QCOMPARE(loading.count(), 0);
    QVERIFY(
        !pelion->findChild<QObject*>(QStringLiteral("contextMenu"))->property("opened").toBool());
    QCOMPARE(state(QStringLiteral("PELION")), int(Product::INSTALLED_DELETED));
}

// Takes the URLs the shell hands to the desktop instead of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

void TestMainWindow::helpButtonOpensTheServerInForce()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    emit m_ui.shell()->kelvo()->showHelpSiteButton(QStringLiteral("KASTOR+"));
    QQuickItem* help = m_ui.item(QStringLiteral("helpButton"));
    QTRY_VERIFY(help->isVisible() && help->width() > 0);
    m_ui.click(help);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    // The harness points the shell at its own server on the loopback, not at the maker's.
    const QUrl expected(Globals::serverBaseUrl() + QStringLiteral("helps/help_sites.html"));
    QCOMPARE(expected.host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(catcher.urls, QList<QUrl>{expected});
    help->setVisible(false);
}

void TestMainWindow::brokenComponentLeavesTheWindowUsable_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("diagnostic");
    const QString missing = QStringLiteral("qrc:/no/such/View.qml");
    const QString broken =
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("Broken #1.qml")))
            .toString();
    QTest::newRow("view missing") << QByteArray("injectPlugin") << missing
                                  << QStringLiteral("UiElement not ready");
    QTest::newRow("view broken") << QByteArray("injectPlugin") << broken
                                 << QStringLiteral("UiElement not ready");
    QTest::newRow("control panel broken")
        << QByteArray("addControlPanel") << broken << QStringLiteral("UiElement not ready");
    QTest::newRow("navigation bar missing")
        << QByteArray("addNavigationBar") << missing << QStringLiteral("Navigation not ready");
}

void TestMainWindow::brokenComponentLeavesTheWindowUsable()
{
    QFETCH(QByteArray, signal);
    QFETCH(QString, path);
    QFETCH(QString, diagnostic);
    QFile broken(QStringLiteral("Broken #1.qml"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("import QtQuick\nItem { width: }\n");
    broken.close();

    Kelvo* kelvo = m_ui.shell()->kelvo();
    if (signal == "injectPlugin")
        emit kelvo->injectPlugin(path, true);
    else if (signal == "addControlPanel")
        emit kelvo->addControlPanel(path);
    else
        emit kelvo->addNavigationBar(path);

    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.size() == 1 && warnings.first().contains(diagnostic),
             qPrintable(warnings.join('\n')));
    QVERIFY(!m_ui.window()->property("selectedPlugin").isValid() ||
            m_ui.window()->property("selectedPlugin").isNull());
    QVERIFY(m_ui.item(QStringLiteral("pluginContainer"))->isVisible());
    QVERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    // Still answers: a message opens and OK closes it.
    kelvo->statusUpdateReceived(QStringLiteral("still here"), XEvents::INFO_MESSAGE);
    QObject* popup = m_ui.find(QStringLiteral("messagePopup"));
    QTRY_VERIFY(popup->property("opened").toBool());
    m_ui.click(m_ui.findIn(popup, QStringLiteral("okButton")));
    QTRY_VERIFY(!popup->property("visible").toBool());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
