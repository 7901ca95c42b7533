#include "uiharness.h"

#include "bundlemanager.h"
#include "productmanager.h"
#include "shell.h"
#include "storageserver.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList qmlWarnings;
QtMessageHandler previousHandler = nullptr;

void collectQmlWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // QML diagnostics name the file they come from; the shell's own lines do not.
    if (type >= QtWarningMsg &&
        (text.contains(QLatin1String(".qml:")) || QByteArray(context.category) == "qml" ||
         QByteArray(context.category) == "js"))
        qmlWarnings << text;
    previousHandler(type, context, text);
}

bool copyFolder(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

} // namespace

UiHarness::UiHarness()
{
    copyFolder(qEnvironmentVariable("QUILLMARK_BUILD_DIR") + QStringLiteral("/demo-storage"),
               m_storage.path());
}

UiHarness::~UiHarness()
{
    qInstallMessageHandler(previousHandler);
}

bool UiHarness::start(const QStringList& arguments, const QString& serverUrl)
{
    // Installed here, after the test library has installed its own handler.
    previousHandler = qInstallMessageHandler(collectQmlWarnings);
    if (serverUrl.isEmpty()) {
        m_server = new StorageServer(m_storage.path());
        if (!m_server->listen(QHostAddress::LocalHost, 0))
            return false;
    }
    qputenv("QUILLMARK_SERVER_URL",
            (serverUrl.isEmpty()
                 ? QStringLiteral("http://127.0.0.1:%1/").arg(m_server->serverPort())
                 : serverUrl)
                .toUtf8());
    QSignalSpy catalogue(ProductManager::instance(), &ProductManager::pluginsChanged);
    QSignalSpy updateCheck(BundleManager::instance(), &BundleManager::kelvoDetailsReceived);
    m_shell = std::make_unique<Shell>(QStringList{QStringLiteral("quillmark")} + arguments);
    if (!QTest::qWaitFor([this] { return !m_shell->engine().rootObjects().isEmpty(); }, 20000))
        return false;
    m_window = qobject_cast<QQuickWindow*>(m_shell->engine().rootObjects().constFirst());
    if (!m_window || !(!catalogue.isEmpty() || catalogue.wait(10000)) ||
        !QTest::qWaitForWindowExposed(m_window))
        return false;
    // What the first frame does not need is made after it, the what's-new window among it.
    if (!QTest::qWaitFor([this] { return m_window->property("firstFramePresented").toBool(); },
                         10000))
        return false;
    // A first start shows what's new in a modal window; the user closes it before anything else.
    for (QQuickWindow* whatsNew : m_window->findChildren<QQuickWindow*>())
        whatsNew->close();
    // On a real X server the modal window goes only when the server says so; until then it
    // blocks the clicks on the main window.
    if (!QTest::qWaitFor([] { return !QGuiApplication::modalWindow(); }, 10000))
        return false;
    return closeUpdateDialog(updateCheck);
}

bool UiHarness::closeUpdateDialog(QSignalSpy& updateCheck)
{
    // The update check of the start opens the update dialog (a newer version or "up to date");
    // the user closes it with a click beside it.
    if (updateCheck.isEmpty() && !updateCheck.wait(10000))
        return false;
    QQuickItem* dialog = item(QStringLiteral("updateDialog"));
    const int shownState = updateCheck.constFirst().at(1).toBool() ? 4 : 1;
    // Shown and slid in completely, right below the top bar.
    if (!QTest::qWaitFor(
            [&] {
                return dialog->property("updateDialogState").toInt() == shownState &&
                       dialog->mapToScene(QPointF()).y() ==
                           item(QStringLiteral("companyHeader"))->height();
            },
            10000))
        return false;
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
                      QPoint(m_window->width() / 4, m_window->height() / 2));
    // It slides out over the launcher; until it is gone it takes the clicks meant for the buttons.
    return dialog->property("updateDialogState").toInt() == 0 &&
           QTest::qWaitFor(
               [&] { return dialog->mapToScene(QPointF(0, dialog->height())).y() <= 0; }, 10000);
}

QObject* UiHarness::find(const QString& objectName) const
{
    return m_window->findChild<QObject*>(objectName);
}

QQuickItem* UiHarness::item(const QString& objectName) const
{
    return findIn(m_window->contentItem(), objectName);
}

QQuickItem* UiHarness::findIn(QObject* parent, const QString& objectName) const
{
    // Items of a delegate are children of their visual parent, not always of their QObject one.
    if (auto* parentItem = qobject_cast<QQuickItem*>(parent)) {
        for (QQuickItem* child : parentItem->childItems()) {
            if (child->objectName() == objectName)
                return child;
            if (QQuickItem* found = findIn(child, objectName))
                return found;
        }
    }
    return parent->findChild<QQuickItem*>(objectName);
}

void UiHarness::click(QQuickItem* item, Qt::MouseButton button) const
{
    // Buttons slide to new places when the launcher is rebuilt: click where the item has come
    // to rest, that is where it stood still over several animation frames.
    QPointF last = item->mapToScene(QPointF());
    int still = 0;
    const bool atRest = QTest::qWaitFor(
        [&] {
            const QPointF now = item->mapToScene(QPointF());
            still = now == last ? still + 1 : 0;
            last = now;
            return still >= 5;
        },
        5000);
    if (!atRest)
        qWarning("%s is still moving; clicked where it is now", qPrintable(item->objectName()));
    const QPoint centre =
        item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
    // The item may live in a window of its own (the what's-new window).
    QTest::mouseClick(item->window(), button, Qt::NoModifier, centre);
}

QStringList UiHarness::takeWarnings()
{
    return std::exchange(qmlWarnings, {});
}
