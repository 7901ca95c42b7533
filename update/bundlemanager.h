#pragma once

#include "manifest.h"
#include "xevents.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QObject>
#include <QPointer>
#include <QString>

class HttpRequestHandler;

// Keeps the shell itself up to date: compares the server's version of the shell with its
// own, fetches the changelog of a newer one in the user's language, downloads the update's
// files into the update folder and hands them to the extractor program.
class BundleManager : public QObject
{
    Q_OBJECT

public:
    enum UpdateErrors {
        JSON_CORRUPT = 0,
        ARCHIVE_LOST = 1,
        DOWNLOAD_FAILED = 2,
        DOWNLOAD_INCOMPLETE = 3
    };
    Q_ENUM(UpdateErrors)

    // The single instance, created on first use; it lives until the process ends.
    static BundleManager* instance();

    // Asks the server for its version of the shell; answers with kelvoDetailsReceived.
    Q_INVOKABLE void checkForUpdates();
    // Fetches the changelog of the server's version; answers with changeLogAvailable.
    Q_INVOKABLE void downloadChangelog();
    // Downloads the update that the last changelog describes; answers with updateReady, or
    // with errorOccured(DOWNLOAD_INCOMPLETE) when any of its files failed. Does nothing
    // before a changelog has arrived.
    Q_INVOKABLE void downloadUpdate();
    // Starts the extractor on the downloaded update; the shell keeps running.
    Q_INVOKABLE void runUpdate();

signals:
    void errorOccured(int requestingAppId, BundleManager::UpdateErrors error);
    void downloadFailed(QString errorString);
    void kelvoDetailsReceived(QString availableVersion, bool isUpToDate);
    void changeLogAvailable(int requestingAppId, QString newChangeLog);
    void updateReady();
    void updateStatus(QString message, XEvents::MessageTypes type,
                      XEvents::MessageActionTypes okAction = XEvents::OK,
                      XEvents::MessageActionTypes cancelAction = XEvents::CANCEL,
                      QString okButtonText = QString());

public slots:
    void bundleUpdateInfoReceived(const QJsonDocument& document);
    void changelogReceived(const QJsonDocument& document);
    // One good reply of the update download: stored and counted.
    void archiveReceived(int urlCounter, const QByteArray& reply, const QString& fileName);
    // A single file delivered on its own: stored, and the update is ready at once.
    void archiveOnlyReceived(const QString& fileName, const QByteArray& reply);

private:
    BundleManager();

    HttpRequestHandler* keepHandler(HttpRequestHandler* handler);
    void requestUpdateSignature();
    void requestUpdateFiles();
    // Why the update folder may not be handed to the extractor, empty when it may.
    static QString signedFolderProblem(const QString& folder);
    void archiveReplyFinished(int urlCounter, const QByteArray& reply, const QString& fileName,
                              const QString& errorString);
    void archiveFailed(const QString& reason);
    void countArchive(int urlCounter);
    // Returns "" once the file is stored whole, otherwise why it was not stored.
    static QString writeArchiveFile(const QByteArray& data, const QString& fileName,
                                    const QString& folder);

    // The shell's own application id: every error this manager reports carries it.
    const int m_appId;
    int m_receivedArchives = 0;
    // A file of the running download failed; the download can no longer become ready.
    bool m_archiveFailed = false;
    QJsonDocument m_changelogDocument;
    // The signed update of the running download, while signature checks are on.
    Manifest m_update;
    QPointer<HttpRequestHandler> m_requestHandler;
};
