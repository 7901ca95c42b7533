#include "bundlemanager.h"

#include "atomicfile.h"
#include "changelogformatter.h"
#include "extractor.h"
#include "globals.h"
#include "httprequesthandler.h"
#include "namecheck.h"
#include "updatefiles.h"

#include <QDir>
#include <QJsonObject>
#include <QVersionNumber>

namespace {

// The server answers some missing files with a success status and an error page.
const QByteArray NOT_FOUND = "404 Not Found";

} // namespace

BundleManager::BundleManager() : m_appId(Globals::KELVO_APP_ID) {}

BundleManager* BundleManager::instance()
{
    static BundleManager* const manager = new BundleManager;
    return manager;
}

HttpRequestHandler* BundleManager::keepHandler(HttpRequestHandler* handler)
{
    m_requestHandler = handler;
    connect(handler, &HttpRequestHandler::downloadFailed, this, &BundleManager::downloadFailed,
            Qt::UniqueConnection);
    return handler;
}

void BundleManager::checkForUpdates()
{
    HttpRequestHandler* request =
        keepHandler(new HttpRequestHandler(UpdateFiles::versionDocumentUrl()));
    connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
            &BundleManager::bundleUpdateInfoReceived, Qt::UniqueConnection);
    request->getJsonFile(QUrlQuery());
}

// Only an exactly equal version is up to date: an older server version or one written with
// fewer segments (2.1 against 2.1.0) offers an update all the same.
void BundleManager::bundleUpdateInfoReceived(const QJsonDocument& document)
{
    if (!document.isObject()) {
        emit errorOccured(m_appId, JSON_CORRUPT);
        return;
    }
    const QVersionNumber server =
        QVersionNumber::fromString(document.object().value(QLatin1String("version")).toString());
    const QVersionNumber local = QVersionNumber::fromString(Globals::VERSION_NUMBER);
    emit kelvoDetailsReceived(server.toString(), QVersionNumber::compare(local, server) == 0);
}

void BundleManager::downloadChangelog()
{
    HttpRequestHandler* request =
        keepHandler(new HttpRequestHandler(UpdateFiles::changelogDocumentUrl()));
    connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
            &BundleManager::changelogReceived, Qt::UniqueConnection);
    request->getJsonFile(QUrlQuery());
}

// The document is kept before the text goes out, so that a receiver may start the download
// of this very update straight away.
void BundleManager::changelogReceived(const QJsonDocument& document)
{
    if (!document.isObject()) {
        emit errorOccured(m_appId, JSON_CORRUPT);
        return;
    }
    m_changelogDocument = document;
    emit changeLogAvailable(
        m_appId,
        ChangelogFormatter::format(document.object().value(QLatin1String("changelog")).toObject(),
                                   ChangelogFormatter::currentLanguage()));
}

void BundleManager::downloadUpdate()
{
    m_receivedArchives = 0;
    m_archiveFailed = false;
    if (m_changelogDocument.isNull())
        return;
    HttpRequestHandler* request = keepHandler(
        new HttpRequestHandler(UpdateFiles::downloadUrls(m_changelogDocument.object())));
    connect(request, &HttpRequestHandler::batchReplyFinished, this,
            &BundleManager::archiveReplyFinished, Qt::UniqueConnection);
    request->getFiles();
}

// A failed reply carries whatever part of the body arrived: it is counted, never stored.
void BundleManager::archiveReplyFinished(int urlCounter, const QByteArray& reply,
                                         const QString& fileName, const QString& errorString)
{
    if (errorString.isEmpty()) {
        archiveReceived(urlCounter, reply, fileName);
        return;
    }
    archiveFailed(errorString);
    countArchive(urlCounter);
}

void BundleManager::archiveReceived(int urlCounter, const QByteArray& reply,
                                    const QString& fileName)
{
    const QString problem = writeArchiveFile(reply, fileName, UpdateFiles::folder());
    if (!problem.isEmpty())
        archiveFailed(problem);
    countArchive(urlCounter);
}

void BundleManager::archiveOnlyReceived(const QString& fileName, const QByteArray& reply)
{
    const QString problem = writeArchiveFile(reply, fileName, UpdateFiles::folder());
    if (problem.isEmpty()) {
        emit updateReady();
        return;
    }
    emit downloadFailed(problem);
    emit errorOccured(m_appId, DOWNLOAD_INCOMPLETE);
}

void BundleManager::archiveFailed(const QString& reason)
{
    m_archiveFailed = true;
    emit downloadFailed(reason);
}

void BundleManager::countArchive(int urlCounter)
{
    if (++m_receivedArchives != urlCounter)
        return;
    if (m_archiveFailed)
        emit errorOccured(m_appId, DOWNLOAD_INCOMPLETE);
    else
        emit updateReady();
}

QString BundleManager::writeArchiveFile(const QByteArray& data, const QString& fileName,
                                        const QString& folder)
{
    if (!NameCheck::isPlainFileName(fileName))
        return QStringLiteral("The update file \"%1\" is not saved: not a plain file name")
            .arg(NameCheck::printable(fileName));
    if (data.isEmpty() || data.contains(NOT_FOUND))
        return QString::fromLatin1(NOT_FOUND) + QStringLiteral(" --- ") +
               NameCheck::printable(fileName);
    QDir().mkpath(folder);
    return AtomicFile::write(folder + QLatin1Char('/') + fileName, data);
}

void BundleManager::runUpdate()
{
    const QString folder = UpdateFiles::folder();
    const QString missing = UpdateFiles::firstMissingFile(folder);
    if (!missing.isEmpty()) {
        emit downloadFailed(QStringLiteral("The update folder %1 lacks %2")
                                .arg(QDir::toNativeSeparators(folder), missing));
        emit errorOccured(m_appId, ARCHIVE_LOST);
        return;
    }
    const QString failure = Extractor::start(folder);
    if (!failure.isEmpty()) {
        emit downloadFailed(failure);
        emit errorOccured(m_appId, DOWNLOAD_INCOMPLETE);
    }
}
