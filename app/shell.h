#pragma once

#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QStringList>
#include <QWidget>

class Kelvo;
class KelvoSplashScreen;
class ProductManager;
class Translator;

// The running shell: the start sequence from the command line to the queued start callback
// that loads the main window once the translation files have been fetched. Construct it
// after the application object; the event loop does the rest.
class Shell
{
public:
    explicit Shell(const QStringList& arguments);

    QQmlApplicationEngine& engine() { return m_engine; }
    Kelvo* kelvo() const { return m_kelvo; }

private:
    void publishContextProperties(bool showUpdateHint);
    void start();

    QElapsedTimer m_sinceStart;
    QQmlApplicationEngine m_engine;
    QWidget m_hiddenMainWindow;
    Translator* m_translator = nullptr;
    KelvoSplashScreen* m_splashScreen = nullptr;
    Kelvo* m_kelvo = nullptr;
    ProductManager* m_productManager = nullptr;
};
