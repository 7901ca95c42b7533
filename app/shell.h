#pragma once

#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QStringList>
#include <QWidget>

class Kelvo;
class KelvoSplashScreen;
class ProductManager;
class QQuickWindow;
class Translator;

// The running shell: the start sequence from the command line to the queued start callback
// that loads the main window once the translation files have been fetched. Construct it
// after the application object; the event loop does the rest.
class Shell
{
public:
    // `sinceStart` times the start-up figures; main starts it before the application object.
    explicit Shell(const QStringList& arguments, QElapsedTimer sinceStart = {});

    QQmlApplicationEngine& engine() { return m_engine; }
    Kelvo* kelvo() const { return m_kelvo; }

private:
    void publishContextProperties(bool showUpdateHint);
    void start();
    void whenFirstFrameShown(QQuickWindow* window);
    void completeStart(QQuickWindow* window);

    QElapsedTimer m_sinceStart;
    QQmlApplicationEngine m_engine;
    QWidget m_hiddenMainWindow;
    Translator* m_translator = nullptr;
    KelvoSplashScreen* m_splashScreen = nullptr;
    Kelvo* m_kelvo = nullptr;
    ProductManager* m_productManager = nullptr;
    bool m_startCompleted = false;
};
