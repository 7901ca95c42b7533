#include "kelvo.h"
#include "product.h"
#include "productmanager.h"
#include "shell.h"
#include "uiharness.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

// The road of a user with a demo plug-in through the real window: install it from the
// launcher, open the virtual device, edit and save on the way back, unlock the device password
// with a code from support, and quit without saving. (Reports and files: tst_savingfiles.)
class TestPluginRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void installOpenEditAndSaveOnTheWayBack();
    void forgottenPasswordWithACodeFromSupport();
    void everyPluginViewLoads_data();
    void everyPluginViewLoads();
    void quitWithUnsavedChangesAndNoEndsTheProgram();

private:
    QQuickItem* button(const QString& name) const;
    int state(const QString& name) const;
    QObject* plugin() const;
    bool checkChanges() const;
    void install(const QString& name);
    void openVirtualDevice(const QString& name);
    void leaveWithoutChanges();
    void waitUntilOpened(QObject* popup) const;
    void type(const QString& text) const;
    QQuickItem* directionOption(const QString& option) const;
    QJsonObject deviceMemory(const QString& name) const;

    UiHarness m_ui;
};

void TestPluginRoad::initTestCase()
{
    QVERIFY(m_ui.start());
    QVERIFY(button(QStringLiteral("KASTOR+")));
}

void TestPluginRoad::cleanup()
{
    const QStringList warnings = UiHarness::takeWarnings();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

QQuickItem* TestPluginRoad::button(const QString& name) const
{
    return m_ui.item(QStringLiteral("pluginButton_") + name);
}

int TestPluginRoad::state(const QString& name) const
{
    return button(name)->property("pluginButtonState").toInt();
}

QObject* TestPluginRoad::plugin() const
{
    return m_ui.shell()->engine().rootContext()->contextProperty("plugin").value<QObject*>();
}

bool TestPluginRoad::checkChanges() const
{
    bool changed = false;
    QMetaObject::invokeMethod(plugin(), "checkChanges", Q_RETURN_ARG(bool, changed));
    return changed;
}

void TestPluginRoad::waitUntilOpened(QObject* popup) const
{
    QVERIFY(popup);
    QTRY_VERIFY(popup->property("opened").toBool());
}

void TestPluginRoad::type(const QString& text) const
{
    for (const QChar character : text)
        QTest::keyClick(m_ui.window(), character.toLatin1());
}

// An option of the Kastor+ direction switch, once the settings have unfolded.
QQuickItem* TestPluginRoad::directionOption(const QString& option) const
{
    QQuickItem* drive = m_ui.item(QStringLiteral("driveBox"));
    if (!QTest::qWaitFor(
            [&] { return drive->height() == drive->property("foldingBoxHeightOpen").toReal(); }))
        return nullptr;
    return m_ui.findIn(m_ui.item(QStringLiteral("directionToggle")), option);
}

void TestPluginRoad::install(const QString& name)
{
    QQuickItem* pluginButton = button(name);
    m_ui.click(pluginButton);
    QTRY_COMPARE(state(name), int(Product::NOT_INSTALLED_CHANGELOG));
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    QTRY_COMPARE(pluginButton->height(), pluginButton->property("lookHeight").toReal());
    QSignalSpy installed(ProductManager::instance(), &ProductManager::pluginsChanged);
    m_ui.click(m_ui.findIn(pluginButton, QStringLiteral("downloadButton")));
    QVERIFY(installed.wait(10000));
    QTRY_COMPARE(state(name), int(Product::INSTALLED));
}

void TestPluginRoad::openVirtualDevice(const QString& name)
{
    QQuickItem* pluginButton = button(name);
    m_ui.click(pluginButton);
    QCOMPARE(state(name), int(Product::INSTALLED_STARTOPTIONS));
    QTRY_COMPARE(pluginButton->height(), pluginButton->property("lookHeight").toReal());
    QQuickItem* open = m_ui.findIn(pluginButton, QStringLiteral("openVirtualDevice"));
    QVERIFY(open);
    m_ui.click(open);
    const QString plugin =
        name == QLatin1String("KASTOR+") ? QStringLiteral("kastorplus") : name.toLower();
    // The view is injected with its navigation bar and its control panel.
    QTRY_VERIFY(m_ui.item(plugin + QStringLiteral("View")));
    QVERIFY(m_ui.item(plugin + QStringLiteral("View"))->isVisible());
    QVERIFY(m_ui.item(plugin + QStringLiteral("Navigation")));
    QVERIFY(m_ui.item(plugin + QStringLiteral("ControlPanel")));
    QVERIFY(!m_ui.item(QStringLiteral("pluginContainer"))->isVisible());
    QTRY_VERIFY(!m_ui.find(QStringLiteral("loadingRec"))->property("visible").toBool());
    // The cover sheet waits above the window until the control panel calls it.
    QQuickItem* sheet = m_ui.item(QStringLiteral("coverSheetInputs"));
    QTRY_VERIFY(sheet->y() + sheet->height() <= 0);
}

// Back without changes: the shell warns, OK (EXIT) returns to the launcher.
void TestPluginRoad::leaveWithoutChanges()
{
    m_ui.click(m_ui.item(QStringLiteral("backButton")));
    QObject* popup = m_ui.find(QStringLiteral("messagePopup"));
    waitUntilOpened(popup);
    m_ui.click(m_ui.findIn(popup, QStringLiteral("okButton")));
    QTRY_VERIFY(m_ui.item(QStringLiteral("pluginContainer"))->isVisible());
}

QJsonObject TestPluginRoad::deviceMemory(const QString& name) const
{
    QFile memory(m_ui.appDataPath() + QStringLiteral("/plugins/%1/virtualDevice.json").arg(name));
    if (!memory.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(memory.readAll()).object().value("configuration").toObject();
}

void TestPluginRoad::installOpenEditAndSaveOnTheWayBack()
{
    install(QStringLiteral("KASTOR+"));
    if (QTest::currentTestFailed())
        return;
    openVirtualDevice(QStringLiteral("KASTOR+"));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!checkChanges());

    m_ui.click(directionOption(QStringLiteral("secondOption")));
    QVERIFY(checkChanges());

    m_ui.click(m_ui.item(QStringLiteral("backButton")));
    QObject* saveDialog = m_ui.find(QStringLiteral("saveDialog"));
    waitUntilOpened(saveDialog);
    m_ui.click(m_ui.findIn(saveDialog, QStringLiteral("yesButton")));
    QTRY_VERIFY(m_ui.item(QStringLiteral("pluginContainer"))->isVisible());
    QTRY_VERIFY(!m_ui.item(QStringLiteral("kastorplusView")));
    QCOMPARE(deviceMemory(QStringLiteral("kastorplus")).value("directionReversed").toBool(), true);
}

void TestPluginRoad::forgottenPasswordWithACodeFromSupport()
{
    openVirtualDevice(QStringLiteral("KASTOR+"));
    if (QTest::currentTestFailed())
        return;
    // The status box covers the lower buttons until it hides, a while after its last line.
    QTRY_VERIFY_WITH_TIMEOUT(!m_ui.item(QStringLiteral("statusBox"))->property("isShown").toBool(),
                             10000);
    m_ui.click(m_ui.item(QStringLiteral("servicePage")));
    QVERIFY(plugin()->property("passwordProtected").toBool());
    QQuickItem* forgotten = m_ui.item(QStringLiteral("forgottenPasswordButton"));
    QTRY_VERIFY(forgotten->isVisible());
    m_ui.click(forgotten);
    QObject* popup = m_ui.find(QStringLiteral("forgottenPasswordPopUp"));
    waitUntilOpened(popup);
    const QString customerCode = popup->property("customerCodeText").toString();
    QVERIFY2(customerCode.endsWith(QLatin1String(" TST")), qPrintable(customerCode));

    // Support looks the code up in its table.
    QFile table(QStringLiteral(TEST_UNLOCK_TABLE));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    QString unlockCode;
    for (const QString& line : QString::fromUtf8(table.readAll()).split('\n')) {
        if (line.startsWith(customerCode.left(5) + QLatin1Char(' ')))
            unlockCode = line.section(QLatin1Char(' '), 1);
    }
    QVERIFY(!unlockCode.isEmpty());

    m_ui.click(m_ui.findIn(popup, QStringLiteral("unlockCodeInput")));
    type(unlockCode);
    QCOMPARE(popup->property("salesCode").toString(), unlockCode);
    QQuickItem* ok = m_ui.findIn(popup, QStringLiteral("okButton"));
    m_ui.click(ok);
    QTRY_VERIFY(!plugin()->property("passwordProtected").toBool());
    QTRY_VERIFY(!popup->property("opened").toBool());
    QTRY_VERIFY(!m_ui.item(QStringLiteral("forgottenPasswordButton"))->isVisible());
    // The plug-in confirms with a pop-up of its own.
    QObject* message = m_ui.find(QStringLiteral("messagePopup"));
    waitUntilOpened(message);
    m_ui.click(m_ui.findIn(message, QStringLiteral("okButton")));
    QTRY_VERIFY(!message->property("opened").toBool());
    leaveWithoutChanges();
}

void TestPluginRoad::everyPluginViewLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pelion") << QStringLiteral("PELION");
    QTest::newRow("ventus") << QStringLiteral("VENTUS");
}

void TestPluginRoad::everyPluginViewLoads()
{
    QFETCH(QString, name);
    install(name);
    if (QTest::currentTestFailed())
        return;
    openVirtualDevice(name);
    if (QTest::currentTestFailed())
        return;
    m_ui.click(m_ui.item(QStringLiteral("servicePage")));
    QTRY_VERIFY(m_ui.item(QStringLiteral("maintenanceBox"))->isVisible());
    m_ui.click(m_ui.item(QStringLiteral("settingsPage")));
    QVERIFY(!checkChanges());
    leaveWithoutChanges();
}

void TestPluginRoad::quitWithUnsavedChangesAndNoEndsTheProgram()
{
    openVirtualDevice(QStringLiteral("KASTOR+"));
    if (QTest::currentTestFailed())
        return;
    m_ui.click(directionOption(QStringLiteral("firstOption")));
    QVERIFY(checkChanges());

    QSignalSpy quit(&m_ui.shell()->engine(), &QQmlEngine::quit);
    m_ui.window()->close();
    QObject* saveDialog = m_ui.find(QStringLiteral("saveDialog"));
    waitUntilOpened(saveDialog);
    m_ui.click(m_ui.findIn(saveDialog, QStringLiteral("noButton")));
    QTRY_COMPARE(quit.count(), 1);
    QVERIFY(!m_ui.window()->isVisible());
    // Nothing was saved: the device still holds the reversed direction.
    QCOMPARE(deviceMemory(QStringLiteral("kastorplus")).value("directionReversed").toBool(), true);
}

QTEST_MAIN(TestPluginRoad)
#include "tst_pluginroad.moc"
