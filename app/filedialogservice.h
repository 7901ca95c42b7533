#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class QFileDialog;

// The file and folder dialogs of the shell and of the plug-ins' views (QML element XFileDialog).
// QFileDialog shows the platform's own dialog where the platform has one and Qt's widget dialog
// elsewhere; both take a typed file name, which the dialog drawn by Qt Quick 6.4 does not. Around
// it the service does what saving needs on every platform alike: it adds the expected extension,
// asks before an existing file is replaced, refuses a folder that cannot be written, and keeps
// the last folder for the next dialog. One dialog is open at a time; it is modal and answers
// with a signal, so that no event loop of its own runs inside a call from QML.
class FileDialogService : public QObject
{
    Q_OBJECT

public:
    // The values of Qt Quick's FileDialog.fileMode (XFileDialog.FileMode), and one for folders.
    enum Mode { OpenFile = 0, SaveFile = 2, SelectFolder = 3 };

    explicit FileDialogService(QObject* parent = nullptr);
    ~FileDialogService() override;

    // Opens a dialog that answers `requester` (the QML element waiting for it). `folder` may be
    // empty: the dialog then starts in the last folder used. False while another one is open.
    Q_INVOKABLE bool open(QObject* requester, int mode, const QString& title,
                          const QStringList& nameFilters, const QUrl& folder);
    // Closes the requester's dialog, if it is open, as if the user had cancelled it.
    Q_INVOKABLE void close(QObject* requester);

    // The folder a dialog starts in when its caller names none that exists.
    static QString lastFolder();

signals:
    void accepted(QObject* requester, const QUrl& url);
    void rejected(QObject* requester);

private:
    void showDialog(const QString& folder, const QString& fileName);
    void dialogFinished(int result);
    void checkSavedFile(QString path, const QString& nameFilter);
    void refuseFolder(const QString& folder, const QString& fileName);
    void askToReplace(const QString& path);
    void finish(const QString& path);
    void cancel();
    void dismissWindows();

    QPointer<QObject> m_requester;
    Mode m_mode = OpenFile;
    QString m_title;
    QStringList m_nameFilters;
    QPointer<QFileDialog> m_dialog;
    QPointer<QWidget> m_question;
    bool m_busy = false;
};
