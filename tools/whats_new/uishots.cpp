// Takes pictures of the real shell: it starts the shell in-process against a copy of the demo
// storage, opens its panels one after the other and saves a picture of the window for each.
// make_whats_new.sh turns some of them into the pages of the what's-new window.
//
//   quillmark_ui_shots <output folder> [-nox]

#include "bundlemanager.h"
#include "kelvo.h"
#include "shell.h"
#include "uiharness.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <functional>

namespace {

// Stands in for a device plug-in with report metadata, as far as the panels ask.
class ReportPlugin : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QString getMetaData(const QString& key) const { return m_metaData.value(key); }
    Q_INVOKABLE void setMetaData(const QString& key, const QString& text)
    {
        m_metaData[key] = text;
    }
    Q_INVOKABLE void createPdfReport(const QString&, const QString&) {}
    Q_INVOKABLE void deletePassword(int) {}

private:
    QHash<QString, QString> m_metaData{
        {QStringLiteral("projectName"), QStringLiteral("Neubau Lagerhalle Nord")},
        {QStringLiteral("customerData"),
         QStringLiteral("Brandt Logistik GmbH\nHafenstraße 12\n28217 Bremen")},
        {QStringLiteral("constructorData"), QStringLiteral("Elektro Kuhn\nMeisterbetrieb")},
        {QStringLiteral("serviceDate"), QStringLiteral("14.03.2026")},
        {QStringLiteral("serviceRepresentative"), QStringLiteral("J. Weber")},
        {QStringLiteral("objectData"), QStringLiteral("Halle 3, RWA-Gruppe 2\n4 Lichtkuppeln")},
        {QStringLiteral("freeText"), QStringLiteral("Wartung ohne Befund.")}};
};

class Shots
{
public:
    Shots(UiHarness& ui, const QString& folder) : m_ui(ui), m_folder(folder) {}

    // Lets animations finish before the picture is taken.
    void settle() const { QTest::qWait(900); }

    void take(const QString& name, QQuickWindow* window = nullptr) const
    {
        settle();
        QQuickWindow* target = window ? window : m_ui.window();
        const QString path = m_folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!target->grabWindow().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }

    QQuickItem* item(const char* name) const { return m_ui.item(QLatin1String(name)); }
    void click(const char* name) const { m_ui.click(item(name)); }

private:
    UiHarness& m_ui;
    QString m_folder;
};

// Waits for a state of the window; a picture of the wrong state is reported, not hidden.
void waitFor(const std::function<bool()>& condition, const char* what)
{
    if (!QTest::qWaitFor(condition, 10000))
        std::fprintf(stderr, "gave up waiting for %s\n", what);
}

void typeText(QQuickWindow* window, const QString& text)
{
    for (const QChar character : text)
        QTest::keyClick(window, character.toLatin1());
}

void writeServerVersion(const UiHarness& ui, const QByteArray& version)
{
    QFile info(ui.storagePath() + QStringLiteral("kelvo.info"));
    if (info.open(QIODevice::WriteOnly | QIODevice::Truncate))
        info.write("{ \"version\": \"" + version + "\" }");
}

void launcher(UiHarness& ui, const Shots& shots)
{
    shots.take(QStringLiteral("launcher"));
    ui.click(shots.item("pluginButton_PELION"));
    waitFor([&] { return !ui.find(QStringLiteral("loadingRec"))->property("visible").toBool(); },
            "the changelog");
    shots.take(QStringLiteral("launcher_changelog"));
    ui.click(ui.findIn(shots.item("pluginButton_PELION"), QStringLiteral("cancelButton")));
}

void statusBox(UiHarness& ui, const Shots& shots)
{
    Kelvo* kelvo = ui.shell()->kelvo();
    QQuickItem* box = shots.item("statusBox");
    box->setProperty("autoCloseInterval", 600000);
    const QStringList devices{QStringLiteral("KASTOR+"), QStringLiteral("PELION"),
                              QStringLiteral("VENTUS")};
    for (int line = 0; line < 36; ++line) {
        const QString device = devices.at(line % devices.size());
        if (line % 5 == 4)
            kelvo->statusUpdateReceived(
                QStringLiteral("%1: no answer from module %2 on the bus").arg(device).arg(line),
                XEvents::STATUS_ERROR_MESSAGE);
        else
            kelvo->statusUpdateReceived(
                QStringLiteral("%1: configuration block %2 read").arg(device).arg(line),
                XEvents::STATUS_INFO_MESSAGE);
    }
    shots.take(QStringLiteral("statusbox"));
    ui.click(ui.findIn(box, QStringLiteral("errorFilterButton")));
    shots.take(QStringLiteral("statusbox_error_filter"));
    ui.click(ui.findIn(box, QStringLiteral("errorFilterButton")));
    QQuickItem* search = ui.findIn(box, QStringLiteral("searchInput"));
    ui.click(search);
    typeText(ui.window(), QStringLiteral("PELION"));
    shots.take(QStringLiteral("statusbox_search"));
    search->setProperty("text", QString());
    box->setProperty("isShown", false);
}

void updateDialog(UiHarness& ui, const Shots& shots)
{
    QObject* dialog = ui.find(QStringLiteral("updateDialog"));
    writeServerVersion(ui, "2.1.0");
    shots.click("updateButton");
    waitFor([&] { return dialog->property("updateDialogState").toInt() == 4; }, "up to date");
    QTest::qWait(300);
    shots.take(QStringLiteral("update_up_to_date"));
    waitFor([&] { return dialog->property("updateDialogState").toInt() == 0; },
            "the closed dialog");

    writeServerVersion(ui, "2.2.0");
    shots.click("updateButton");
    waitFor([&] { return dialog->property("updateDialogState").toInt() == 1; }, "the changelog");
    shots.take(QStringLiteral("update_available"));
    ui.click(ui.findIn(dialog, QStringLiteral("downloadButton")));
    waitFor([&] { return dialog->property("updateDialogState").toInt() == 3; },
            "the downloaded update");
    shots.take(QStringLiteral("update_install"));
    emit BundleManager::instance()->errorOccured(6, BundleManager::ARCHIVE_LOST);
    shots.take(QStringLiteral("update_error"));
    dialog->setProperty("updateDialogState", 0);
}

void settingsAndAbout(UiHarness& ui, const Shots& shots)
{
    shots.click("userButton");
    shots.take(QStringLiteral("user_settings"));
    shots.click("userButton");

    shots.click("aboutButton");
    shots.take(QStringLiteral("about"));
    QObject* about = ui.find(QStringLiteral("aboutPopUp"));
    auto* content = about->property("contentItem").value<QQuickItem*>();
    ui.click(ui.findIn(content, QStringLiteral("license_ThirdPartySoftware_Listing.txt")));
    shots.take(QStringLiteral("about_licence"));
    QMetaObject::invokeMethod(about, "close");
}

void whatsNew(UiHarness& ui, const Shots& shots)
{
    shots.click("userButton");
    shots.settle();
    ui.click(ui.findIn(shots.item("userSettings"), QStringLiteral("showWhatsNew")));
    QQuickWindow* window = nullptr;
    for (QQuickWindow* candidate :
         ui.window()->findChildren<QQuickWindow*>(QStringLiteral("whatsNewWindow"))) {
        if (candidate->isVisible())
            window = candidate;
    }
    if (!window || !QTest::qWaitForWindowExposed(window))
        return;
    shots.take(QStringLiteral("whats_new_first"), window);
    QQuickItem* next = ui.findIn(window->contentItem(), QStringLiteral("whatsNewNextButton"));
    for (int page = 1; page < 6; ++page)
        ui.click(next);
    shots.take(QStringLiteral("whats_new_last"), window);
    ui.click(next);
    shots.settle();
    shots.click("userButton");
}

void coverSheet(UiHarness& ui, const Shots& shots)
{
    QMetaObject::invokeMethod(ui.find(QStringLiteral("userSettings")), "hide");
    emit ui.shell()->kelvo()->addControlPanel(QStringLiteral(
        "qrc:/common/src/presentation_layer/assets/common_controls/XControlPanel.qml"));
    QMetaObject::invokeMethod(ui.window()->property("controlPanel").value<QObject*>(),
                              "toggleCoverSheet");
    shots.take(QStringLiteral("cover_sheet"));

    const QSize size = ui.window()->size();
    ui.window()->showNormal();
    ui.window()->resize(480, size.height());
    shots.take(QStringLiteral("cover_sheet_mobile"));
    ui.window()->resize(size);
    ui.window()->showMaximized();
    QMetaObject::invokeMethod(ui.window()->property("controlPanel").value<QObject*>(),
                              "toggleCoverSheet");
}

void passwordPopUp(UiHarness& ui, const Shots& shots)
{
    QObject* popUp = ui.find(QStringLiteral("forgottenPasswordPopUp"));
    ui.shell()->kelvo()->openForgottenPassword();
    shots.settle();
    auto* content = popUp->property("contentItem").value<QQuickItem*>();
    ui.click(ui.findIn(content, QStringLiteral("unlockCodeInput")));
    typeText(ui.window(), QStringLiteral("7k2q9"));
    shots.take(QStringLiteral("password"));
    QTest::keyClick(ui.window(), Qt::Key_Return);
    ui.shell()->kelvo()->openForgottenPassword();
    shots.take(QStringLiteral("password_error"));
    QMetaObject::invokeMethod(popUp, "close");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: quillmark_ui_shots <output folder> [-nox]\n");
        return 2;
    }
    const QString folder = QDir(arguments.at(1)).absolutePath();
    QDir().mkpath(folder);

    UiHarness ui;
    ReportPlugin plugin;
    if (!ui.start(arguments.mid(2))) {
        // Under Xvfb the very first click of the start can go astray; the window is there.
        if (!ui.window() || !ui.find(QStringLiteral("updateDialog"))) {
            std::fprintf(stderr, "the shell did not start\n");
            return 1;
        }
        ui.find(QStringLiteral("updateDialog"))->setProperty("updateDialogState", 0);
    }
    ui.shell()->engine().rootContext()->setContextProperty(QStringLiteral("plugin"), &plugin);
    // No window manager maximises the window under Xvfb: it takes the whole screen itself.
    ui.window()->setGeometry(ui.window()->screen()->availableGeometry());

    Shots shots(ui, folder);
    launcher(ui, shots);
    statusBox(ui, shots);
    updateDialog(ui, shots);
    settingsAndAbout(ui, shots);
    whatsNew(ui, shots);
    coverSheet(ui, shots);
    passwordPopUp(ui, shots);

    // Reported for a look at the pictures; the very first run lacks the what's-new pages.
    for (const QString& warning : UiHarness::takeWarnings())
        std::fprintf(stderr, "QML: %s\n", qPrintable(warning));
    return 0;
}

#include "uishots.moc"
