#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick\nWindow { visible: true }");
    const QList<QObject*> roots = engine.rootObjects();
    if (roots.isEmpty() || !qobject_cast<QQuickWindow*>(roots.first()))
        return 1;
    qInfo("main window loaded after %lld ms", sinceStart.elapsed());
    return application.exec();
}
