#pragma once

#include "testenvironment.h"

#include <QPointer>
#include <QQuickItem>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QQuickWindow;
class QSignalSpy;
class Shell;
class StorageServer;

// The real shell in-process against the storage server, with the real main window on the
// offscreen platform. Items are found by object name and driven with real mouse and key events.
// Every QML warning (a TypeError, ReferenceError, failed binding) is collected, so that the
// test that caused it fails.
class UiHarness
{
public:
    UiHarness();
    ~UiHarness();

    // A copy of the demo storage that a test may change before start().
    QString storagePath() const { return m_storage.path() + QStringLiteral("/storage/kelvo/"); }
    // Starts the shell with `arguments` and waits for the main window and the catalogue. Call
    // it from initTestCase(). With a `serverUrl`, the shell talks to that server instead of the
    // in-process storage server, and server() is null.
    bool start(const QStringList& arguments = {}, const QString& serverUrl = QString());

    QQuickWindow* window() const { return m_window; }
    Shell* shell() const { return m_shell.get(); }
    StorageServer* server() const { return m_server; }
    QString appDataPath() const { return m_environment.appDataPath(); }

    // The first object of that name below the window (items, pop-ups, menus).
    QObject* find(const QString& objectName) const;
    QQuickItem* item(const QString& objectName) const;
    QQuickItem* findIn(QObject* parent, const QString& objectName) const;

    void click(QQuickItem* item, Qt::MouseButton button = Qt::LeftButton) const;

    // The QML warnings since the last call.
    static QStringList takeWarnings();

private:
    bool closeUpdateDialog(QSignalSpy& updateCheck);

    TestEnvironment m_environment;
    QTemporaryDir m_storage;
    StorageServer* m_server = nullptr;
    std::unique_ptr<Shell> m_shell;
    QPointer<QQuickWindow> m_window;
};
