#include "kelvo.h"
#include "message.h"
#include "shell.h"
#include "uiharness.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// What the panels ask of a plug-in: report metadata, the report, the password deletion.
class MetaDataPlugin : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString getMetaData(const QString& key) const { return metaData.value(key); }
    Q_INVOKABLE void setMetaData(const QString& key, const QString& text) { metaData[key] = text; }
    Q_INVOKABLE void createPdfReport(const QString& path, const QString& version)
    {
        reports << path + QLatin1Char(' ') + version;
    }
    Q_INVOKABLE void deletePassword(int index) { deletedPasswords << index; }

    QHash<QString, QString> metaData{{QStringLiteral("objectData"), QStringLiteral("Halle 3")}};
    QStringList reports;
    QList<int> deletedPasswords;
};

// The status box, the report cover sheet and the password pop-up in the real main window.
class TestPluginPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void viewCallsPanelsBeforeTheyWereShown();
    void newLineShowsTheBoxUntilAfterTheLast();
    void boxOpenedByHandStaysOpen();
    void filtersColourAndSearch();
    void coverSheetStoresMetaDataAndOffersTheReport();
    void unlockCodeTakesFiveLettersOrDigits_data();
    void unlockCodeTakesFiveLettersOrDigits();
    void wrongCodeShowsTheErrorNextTime();
    void rightCodeDeletesThePassword();

private:
    bool shown() const { return m_box->property("isShown").toBool(); }
    void addLine(const QString& text, XEvents::MessageTypes type = XEvents::STATUS_INFO_MESSAGE);
    QQuickItem* row(const QString& text) const;
    QObject* openPasswordPopUp();
    void type(QQuickItem* input, const QString& text);

    UiHarness m_ui;
    MetaDataPlugin m_plugin;
    QQuickItem* m_box = nullptr;
    QObject* m_timer = nullptr;
};

void TestPluginPanels::initTestCase()
{
    QVERIFY(m_ui.start());
    m_ui.shell()->engine().rootContext()->setContextProperty(QStringLiteral("plugin"), &m_plugin);
    m_box = m_ui.item(QStringLiteral("statusBox"));
    m_timer = m_box->findChild<QObject*>(QStringLiteral("autoCloseTimer"));
    QVERIFY(m_box && m_timer);
    QCOMPARE(m_box->property("autoCloseInterval").toInt(), 5000);
    m_box->setProperty("autoCloseInterval", 400);
    QTRY_VERIFY_WITH_TIMEOUT(!shown(), 6000);
}

void TestPluginPanels::cleanup()
{
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

void TestPluginPanels::addLine(const QString& text, XEvents::MessageTypes type)
{
    m_ui.shell()->kelvo()->statusUpdateReceived(text, type);
}

QQuickItem* TestPluginPanels::row(const QString& text) const
{
    auto* list = m_ui.findIn(m_box, QStringLiteral("messageList"));
    const auto rows = list->property("contentItem").value<QQuickItem*>()->childItems();
    for (QQuickItem* item : rows) {
        if (item->isVisible() && item->property("text").toString().contains(text))
            return item;
    }
    return nullptr;
}

void TestPluginPanels::type(QQuickItem* input, const QString& text)
{
    m_ui.click(input);
    QTRY_VERIFY(input->hasActiveFocus());
    for (const QChar character : text)
        QTest::keyClick(input->window(), character.toLatin1());
}

void TestPluginPanels::viewCallsPanelsBeforeTheyWereShown()
{
    QObject* password = m_ui.find(QStringLiteral("forgottenPasswordPopUp"));
    auto* passwordContent = password->property("contentItem").value<QQuickItem*>();
    QVERIFY(!m_ui.findIn(passwordContent, QStringLiteral("unlockCodeInput")));
    QObject* message = m_ui.find(QStringLiteral("messagePopup"));
    QVERIFY(!message->property("opened").toBool());

    // A plug-in's view reaches the window's parts by their ids, as soon as it is made.
    QTemporaryDir folder;
    QFile view(folder.filePath(QStringLiteral("CallingView.qml")));
    QVERIFY(view.open(QIODevice::WriteOnly));
    view.write("import QtQuick\n"
               "Item {\n"
               "    property bool isVirtualDevice\n"
               "    property var navBar\n"
               "    property var controlPanel\n"
               "    Component.onCompleted: {\n"
               "        statusBox.isAutoMode = false\n"
               "        statusBox.isShown = true\n"
               "        messagePopup.message = \"from the view\"\n"
               "        messagePopup.popUpState = 2\n"
               "        messagePopup.open()\n"
               "        forgottenPasswordPopUp.customerCodeText = \"K-1234\"\n"
               "        forgottenPasswordPopUp.salesCode = \"ab12\"\n"
               "        forgottenPasswordPopUp.showError = true\n"
               "        forgottenPasswordPopUp.open()\n"
               "    }\n"
               "}\n");
    view.close();
    emit m_ui.shell()->kelvo()->injectPlugin(QUrl::fromLocalFile(view.fileName()).toString(), true);

    QTRY_VERIFY(shown());
    QTRY_VERIFY(m_ui.findIn(m_box, QStringLiteral("messageList")));
    QTRY_VERIFY(message->property("opened").toBool());
    auto* messageContent = message->property("contentItem").value<QQuickItem*>();
    QCOMPARE(m_ui.findIn(messageContent, QStringLiteral("messageText"))->property("text"),
             QVariant(QStringLiteral("from the view")));
    QTRY_VERIFY(password->property("opened").toBool());
    QCOMPARE(m_ui.findIn(passwordContent, QStringLiteral("unlockCodeInput"))->property("text"),
             QVariant(QStringLiteral("AB12")));
    QCOMPARE(password->property("salesCode"), QVariant(QStringLiteral("AB12")));
    QVERIFY(m_ui.findIn(passwordContent, QStringLiteral("customerCode"))
                ->property("text")
                .toString()
                .endsWith(QStringLiteral(": K-1234")));
    QVERIFY(m_ui.findIn(passwordContent, QStringLiteral("passwordError"))->isVisible());

    password->setProperty("showError", false);
    QMetaObject::invokeMethod(password, "close");
    QMetaObject::invokeMethod(message, "close");
    QMetaObject::invokeMethod(m_ui.window(), "reset");
    m_box->setProperty("isShown", false);
    m_box->setProperty("isAutoMode", true);
    QTRY_VERIFY(!password->property("visible").toBool() && !message->property("visible").toBool());
}

void TestPluginPanels::newLineShowsTheBoxUntilAfterTheLast()
{
    QVERIFY(m_box->property("isAutoMode").toBool());
    addLine(QStringLiteral("first line"));
    QTRY_VERIFY(shown());
    QTRY_COMPARE(m_box->property("anchors").value<QObject*>()->property("bottomMargin").toReal(),
                 0.0);

    auto* list = m_ui.findIn(m_box, QStringLiteral("messageList"));
    const int count = list->property("count").toInt();
    addLine(QStringLiteral("last line"));
    QElapsedTimer sinceLast;
    sinceLast.start();
    QTRY_COMPARE(list->property("count").toInt(), count + 1);
    QTRY_COMPARE(list->property("currentIndex").toInt(), count);
    QTRY_VERIFY(!shown());
    QVERIFY2(sinceLast.elapsed() >= 380, qPrintable(QString::number(sinceLast.elapsed())));
}

void TestPluginPanels::boxOpenedByHandStaysOpen()
{
    QQuickItem* toggle = m_ui.findIn(m_box, QStringLiteral("viewButton"));
    // Hidden, the toggle button still rests on the window's bottom edge.
    QTRY_COMPARE(toggle->mapToScene(QPointF(0, toggle->height())).y(),
                 qreal(m_ui.window()->height()));
    m_ui.click(toggle);
    QVERIFY(shown());
    QVERIFY(!m_box->property("isAutoMode").toBool());

    QSignalSpy fired(m_timer, SIGNAL(triggered()));
    addLine(QStringLiteral("while open"));
    QVERIFY(fired.wait(2000));
    QVERIFY(shown());

    m_ui.click(toggle);
    QVERIFY(!shown());
    QVERIFY(m_box->property("isAutoMode").toBool());
}

void TestPluginPanels::filtersColourAndSearch()
{
    m_box->setProperty("autoCloseInterval", 60000);
    addLine(QStringLiteral("info about the device"));
    addLine(QStringLiteral("device broke"), XEvents::STATUS_ERROR_MESSAGE);
    QTRY_COMPARE(m_box->property("anchors").value<QObject*>()->property("bottomMargin").toReal(),
                 0.0);
    QObject* colours =
        m_ui.shell()->engine().rootContext()->contextProperty("globalColors").value<QObject*>();
    const QColor errorColour(colours->property("RED").toString());
    const QColor titleColour(colours->property("TITLE_COLOR").toString());
    QTRY_VERIFY(row(QStringLiteral("device broke")));
    QCOMPARE(row(QStringLiteral("device broke"))->property("color").value<QColor>(), errorColour);

    QObject* model =
        m_ui.shell()->engine().rootContext()->contextProperty("messageModel").value<QObject*>();
    QQuickItem* errorButton = m_ui.findIn(m_box, QStringLiteral("errorFilterButton"));
    m_ui.click(errorButton);
    QCOMPARE(model->property("flag").toInt(), int(Message::ERROR));
    QTRY_VERIFY(row(QStringLiteral("device broke")));
    QCOMPARE(row(QStringLiteral("device broke"))->property("color").value<QColor>(), titleColour);
    QTRY_VERIFY(!row(QStringLiteral("info about the device")));

    m_ui.click(m_ui.findIn(m_box, QStringLiteral("infoFilterButton")));
    QCOMPARE(model->property("flag").toInt(), int(Message::INFO));
    QVERIFY(!errorButton->property("selected").toBool());
    m_ui.click(m_ui.findIn(m_box, QStringLiteral("infoFilterButton")));
    QCOMPARE(model->property("flag").toInt(), int(Message::NONE));
    QTRY_VERIFY(row(QStringLiteral("device broke")));
    QCOMPARE(row(QStringLiteral("device broke"))->property("color").value<QColor>(), errorColour);

    type(m_ui.findIn(m_box, QStringLiteral("searchInput")), QStringLiteral("about the"));
    QTRY_COMPARE(m_ui.findIn(m_box, QStringLiteral("messageList"))->property("count").toInt(), 1);
    QVERIFY(row(QStringLiteral("info about the device")));
    m_ui.findIn(m_box, QStringLiteral("searchInput"))->setProperty("text", QString());
    m_box->setProperty("autoCloseInterval", 400);
}

void TestPluginPanels::coverSheetStoresMetaDataAndOffersTheReport()
{
    emit m_ui.shell()->kelvo()->addControlPanel(QStringLiteral(
        "qrc:/common/src/presentation_layer/assets/common_controls/XControlPanel.qml"));
    QObject* rootWindow = m_ui.window();
    auto* sheet = rootWindow->property("coverSheetInputs").value<QQuickItem*>();
    QVERIFY(sheet);
    QVERIFY(QMetaObject::invokeMethod(rootWindow->property("controlPanel").value<QObject*>(),
                                      "toggleCoverSheet"));
    QTRY_VERIFY(sheet->mapToScene(QPointF()).y() >= 0);

    auto input = [&](const char* name) {
        return m_ui.findIn(m_ui.findIn(sheet, QLatin1String(name)), QStringLiteral("input"));
    };
    QCOMPARE(input("objectData")->property("text").toString(), QStringLiteral("Halle 3"));
    QQuickItem* create = m_ui.findIn(sheet, QStringLiteral("createReportButtonButton"));
    QVERIFY(!create->isVisible());

    type(input("projectName"), QStringLiteral("P1"));
    QCOMPARE(m_plugin.metaData.value(QStringLiteral("projectName")), QStringLiteral("P1"));
    QTRY_VERIFY(create->isVisible());
    QTest::keyClick(m_ui.window(), Qt::Key_Backspace);
    QTest::keyClick(m_ui.window(), Qt::Key_Backspace);
    QCOMPARE(m_plugin.metaData.value(QStringLiteral("projectName")), QString());
    QTRY_VERIFY(!create->isVisible());

    // Narrower than the sheet's own width: one column.
    QCOMPARE(sheet->state(), QStringLiteral("normal"));
    const qreal sheetWidth = sheet->width();
    sheet->setWidth(sheetWidth / 2);
    QCOMPARE(sheet->state(), QStringLiteral("mobile"));
    QQuickItem* representative = m_ui.findIn(sheet, QStringLiteral("serviceRepresentative"));
    QQuickItem* projectName = m_ui.findIn(sheet, QStringLiteral("projectName"));
    QCOMPARE(representative->mapToScene(QPointF()).x(), projectName->mapToScene(QPointF()).x());
    QVERIFY(representative->mapToScene(QPointF()).y() > projectName->mapToScene(QPointF()).y());
    sheet->setWidth(sheetWidth);
    QCOMPARE(sheet->state(), QStringLiteral("normal"));
}

QObject* TestPluginPanels::openPasswordPopUp()
{
    m_ui.shell()->kelvo()->openForgottenPassword();
    QObject* popUp = m_ui.find(QStringLiteral("forgottenPasswordPopUp"));
    if (!QTest::qWaitFor([popUp] { return popUp->property("opened").toBool(); }, 5000))
        return nullptr;
    return popUp;
}

void TestPluginPanels::unlockCodeTakesFiveLettersOrDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("a sixth character") << QStringLiteral("AB3D5F") << QStringLiteral("AB3D5");
    QTest::newRow("outside the set") << QStringLiteral("A-B_ C!") << QStringLiteral("ABC");
    QTest::newRow("small letters in capitals") << QStringLiteral("x7k") << QStringLiteral("X7K");
}

void TestPluginPanels::unlockCodeTakesFiveLettersOrDigits()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QObject* popUp = openPasswordPopUp();
    QVERIFY(popUp);
    auto* content = popUp->property("contentItem").value<QQuickItem*>();
    QQuickItem* input = m_ui.findIn(content, QStringLiteral("unlockCodeInput"));
    input->setProperty("text", QString());
    type(input, typed);
    QCOMPARE(popUp->property("salesCode").toString(), kept);
    m_ui.click(m_ui.findIn(content, QStringLiteral("cancelButton")));
    QTRY_VERIFY(!popUp->property("visible").toBool());
    QVERIFY(!popUp->property("showError").toBool());
}

void TestPluginPanels::wrongCodeShowsTheErrorNextTime()
{
    QObject* popUp = openPasswordPopUp();
    QVERIFY(popUp);
    auto* content = popUp->property("contentItem").value<QQuickItem*>();
    QQuickItem* input = m_ui.findIn(content, QStringLiteral("unlockCodeInput"));
    input->setProperty("text", QString());
    type(input, QStringLiteral("00000"));
    m_ui.click(m_ui.findIn(content, QStringLiteral("okButton")));
    QTRY_VERIFY(!popUp->property("visible").toBool());
    QVERIFY(m_plugin.deletedPasswords.isEmpty());

    QVERIFY(openPasswordPopUp());
    QVERIFY(m_ui.findIn(content, QStringLiteral("passwordError"))->isVisible());
    m_ui.click(m_ui.findIn(content, QStringLiteral("cancelButton")));
    QTRY_VERIFY(!popUp->property("visible").toBool());
}

void TestPluginPanels::rightCodeDeletesThePassword()
{
    QObject* popUp = openPasswordPopUp();
    QVERIFY(popUp);
    // The demo resource, with a code that support reads from the demo table.
    const QString shown = popUp->property("customerCodeText").toString();
    QCOMPARE(shown.section(QLatin1Char(' '), 1), QStringLiteral("DEMO"));
    const QString customerCode = shown.left(5);
    QFile table(QStringLiteral(TEST_UNLOCK_TABLE));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    QString unlockCode;
    for (const QString& line : QString::fromUtf8(table.readAll()).split('\n')) {
        if (line.startsWith(customerCode + QLatin1Char(' ')))
            unlockCode = line.section(QLatin1Char(' '), 1);
    }
    QVERIFY(!unlockCode.isEmpty());

    auto* content = popUp->property("contentItem").value<QQuickItem*>();
    QQuickItem* input = m_ui.findIn(content, QStringLiteral("unlockCodeInput"));
    input->setProperty("text", QString());
    type(input, unlockCode.toLower());
    QTest::keyClick(m_ui.window(), Qt::Key_Return);
    QTRY_VERIFY(!popUp->property("visible").toBool());
    QCOMPARE(m_plugin.deletedPasswords, QList<int>{0});
}

QTEST_MAIN(TestPluginPanels)
#include "tst_pluginpanels.moc"
