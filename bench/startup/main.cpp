#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <memory>

// The floor for the shell's start-up: a bare QML window, timed the way the shell times itself.
int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick\nWindow { visible: true }");
    const QList<QObject*> roots = engine.rootObjects();
    auto* window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
    if (!window)
        return 1;
    qInfo("main window loaded after %lld ms", sinceStart.elapsed());
    // Emitted on the render thread: the time is taken there and written on the GUI thread.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [&sinceStart, window, connection] {
            QObject::disconnect(*connection);
            const qint64 elapsed = sinceStart.elapsed();
            const qint64 presentedAt = QDateTime::currentMSecsSinceEpoch();
            QMetaObject::invokeMethod(
                window,
                [=] {
                    qInfo("first frame presented after %lld ms, at %lld ms since the epoch",
                          elapsed, presentedAt);
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    return application.exec();
}
