#include "bundlemanager.h"

#include "atomicfile.h"
#include "changelogformatter.h"
#include "extractor.h"
#include "globals.h"
#include "httprequesthandler.h"
#include "namecheck.h"
#include "signaturecheck.h"
#include "signaturefile.h"
#include "updatefiles.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QVersionNumber>

namespace {

// The server answers some missing files with a success status and an error page.
const QByteArray NOT_FOUND = "404 Not Found";

const Manifest SIGNED_UPDATE{Manifest::UPDATE, QStringLiteral("qmk"), {}, {}, {}};

// The update folder keeps each file under the last segment of its path in the storage.
QString signedPath(const Manifest& manifest, const QString& fileName)
{
    for (const Manifest::Entry& entry : manifest.files) {
        if (entry.path.section(QLatin1Char('/'), -1) == fileName)
            return entry.path;
    }
    return fileName;
}

// Empty when `signatureFile` signs an update newer than the running shell, else the refusal.
QString verifyUpdate(const QByteArray& signatureFile, const QString& url, Manifest* update)
{
    const QString problem = SignatureCheck::verify(signatureFile, SIGNED_UPDATE, url, update);
    if (!problem.isEmpty())
        return problem;
    if (QVersionNumber::fromString(update->version) <=
        QVersionNumber::fromString(Globals::VERSION_NUMBER))
        return QStringLiteral("Refused %1: the signed update %2 is not newer than this shell %3")
            .arg(url, update->version, Globals::VERSION_NUMBER);
    return {};
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    m_update = Manifest();
    if (m_changelogDocument.isNull())
        return;
    if (SignatureCheck::isOn())
        requestUpdateSignature();
    else
        requestUpdateFiles();
}

// The signature comes first and goes into the update folder with the files, so that the
// files are checked once more right before the extractor starts.
void BundleManager::requestUpdateSignature()
{
    const QString url = Globals::storageUrl() + SignatureFile::UPDATE_FILE_NAME;
    HttpRequestHandler* request = keepHandler(new HttpRequestHandler(url));
    connect(request, &HttpRequestHandler::receivedFile, this,
            [this, url](const QString&, const QByteArray& reply) {
                Manifest update;
                QString problem = verifyUpdate(reply, url, &update);
                if (problem.isEmpty())
                    problem = writeArchiveFile(reply, SignatureFile::UPDATE_FILE_NAME,
                                               UpdateFiles::folder());
                if (!problem.isEmpty()) {
                    qWarning("%s", qUtf8Printable(problem));
                    emit downloadFailed(problem);
                    emit errorOccured(m_appId, DOWNLOAD_INCOMPLETE);
                    return;
                }
                m_update = update;
                requestUpdateFiles();
            });
    // The handler has reported why; the dialog waits for the error that ends the download.
    connect(request, &HttpRequestHandler::downloadFailed, this,
            [this] { emit errorOccured(m_appId, DOWNLOAD_INCOMPLETE); });
    request->getFile(QString());
}

void BundleManager::requestUpdateFiles()
{
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
    QString problem;
    if (SignatureCheck::isOn()) {
        const QString path = signedPath(m_update, fileName);
        problem = SignatureCheck::checkFile(m_update, path, reply, Globals::storageUrl() + path);
    }
    if (problem.isEmpty())
        problem = writeArchiveFile(reply, fileName, UpdateFiles::folder());
    if (!problem.isEmpty())
        archiveFailed(problem);
    countArchive(urlCounter);
}

void BundleManager::archiveOnlyReceived(const QString& fileName, const QByteArray& reply)
{
    // A file on its own comes with no signature: with checks on it is never stored.
    const QString problem =
        SignatureCheck::isOn()
            ? QStringLiteral("Refused the update file %1: it arrived without its signature")
                  .arg(NameCheck::printable(fileName))
            : writeArchiveFile(reply, fileName, UpdateFiles::folder());
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
    const QString refused = SignatureCheck::isOn() ? signedFolderProblem(folder) : QString();
    if (!refused.isEmpty()) {
        qWarning("%s", qUtf8Printable(refused));
        emit downloadFailed(refused);
        emit errorOccured(m_appId, ARCHIVE_LOST);
        return;
    }
    const QString failure = Extractor::start(folder);
    if (!failure.isEmpty()) {
        emit downloadFailed(failure);
        emit errorOccured(m_appId, DOWNLOAD_INCOMPLETE);
    }
}

// The files of the folder may have changed since they were downloaded (or come from an
// earlier download): each is checked against the signature kept beside them.
QString BundleManager::signedFolderProblem(const QString& folder)
{
    const QString signaturePath = folder + QLatin1Char('/') + SignatureFile::UPDATE_FILE_NAME;
    Manifest update;
    QString problem = verifyUpdate(readWhole(signaturePath), signaturePath, &update);
    for (const QString& name : UpdateFiles::requiredFiles()) {
        const QString path = folder + QLatin1Char('/') + name;
        if (problem.isEmpty())
            problem = SignatureCheck::checkFile(update, signedPath(update, name), readWhole(path),
                                                QDir::toNativeSeparators(path));
    }
    return problem;
}
