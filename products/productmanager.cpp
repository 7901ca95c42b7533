#include "productmanager.h"

#include "atomicfile.h"
#include "catalogueentry.h"
#include "changelogformatter.h"
#include "filelist.h"
#include "globals.h"
#include "httprequesthandler.h"
#include "infofileindex.h"
#include "installationcheck.h"
#include "iplugin.h"
#include "namecheck.h"
#include "pendingdeletions.h"
#include "signaturecheck.h"
#include "signaturefile.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QMetaEnum>
#include <QVersionNumber>
#include <memory>
#include <utility>

namespace {

const QString NOT_FOUND = QStringLiteral("404 Not Found");

// The system writes its copy directly in the data folder; when several copies lie below it,
// that one is used.
QString storedCataloguePath()
{
    const QString direct = StorageLayout::cataloguePath();
    if (QFileInfo(direct).isFile())
        return direct;
    // Name filters ignore case unless told otherwise; only "plugins.info" itself counts.
    QDirIterator files(Globals::appDataPath(), {QFileInfo(direct).fileName()},
                       QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive,
                       QDirIterator::Subdirectories);
    return files.hasNext() ? files.next() : QString();
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

ProductManager::ProductManager()
{
    connect(this, &ProductManager::pluginsChanged, this, [this] {
        m_model.beginReset();
        m_model.endReset();
    });
}

ProductManager* ProductManager::instance()
{
    static ProductManager* const manager = new ProductManager;
    return manager;
}

QObject* ProductManager::productListModel()
{
    return &m_model;
}

HttpRequestHandler* ProductManager::handler() const
{
    return m_handler;
}

void ProductManager::setCurrentReleaseState(int state)
{
    const bool known = QMetaEnum::fromType<Product::ReleaseState>().valueToKey(state);
    m_currentReleaseState = known ? Product::ReleaseState(state) : Product::RELEASE;
}

HttpRequestHandler* ProductManager::newHandler(const QString& url)
{
    m_handler = new HttpRequestHandler(url);
    connect(m_handler, &HttpRequestHandler::downloadFailed, this, &ProductManager::downloadFailed,
            Qt::UniqueConnection);
    return m_handler;
}

void ProductManager::loadPlugins(bool useLocalCatalogue)
{
    clearProducts();
    if (!useLocalCatalogue || !loadStoredCatalogue(true))
        requestCatalogue();
}

// False when there is no stored copy. A corrupt copy yields an empty launcher when asked for,
// and leaves the launcher as it is when it stands in for the server's catalogue.
bool ProductManager::loadStoredCatalogue(bool evenIfCorrupt)
{
    const QString stored = storedCataloguePath();
    if (stored.isEmpty())
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(readWhole(stored));
    if (!CatalogueEntry::isCatalogue(document)) {
        qWarning("The stored catalogue %s is unreadable or corrupt", qUtf8Printable(stored));
        if (!evenIfCorrupt)
            return true;
    }
    processCatalogue(document, false);
    return true;
}

void ProductManager::requestCatalogue()
{
    HttpRequestHandler* request = newHandler(StorageLayout::catalogueUrl());
    connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
            &ProductManager::pluginsInfoReceived, Qt::UniqueConnection);
    connect(request, &HttpRequestHandler::downloadFailed, this,
            &ProductManager::catalogueUnavailable, Qt::UniqueConnection);
    request->getJsonFile(QUrlQuery());
}

void ProductManager::pluginsInfoReceived(const QJsonDocument& document)
{
    // Anything but a catalogue would otherwise replace the good stored copy.
    if (!CatalogueEntry::isCatalogue(document)) {
        emit errorOccured(m_requestingAppId, JSON_CORRUPT);
        catalogueUnavailable();
        return;
    }
    processCatalogue(document, true);
}

// Out in the field the server is often out of reach: the launcher then offers the plug-ins of
// the last catalogue fetched, so that those installed can still be opened.
void ProductManager::catalogueUnavailable()
{
    if (m_products.isEmpty())
        loadStoredCatalogue(false);
}

void ProductManager::processCatalogue(const QJsonDocument& document, bool fromServer)
{
    if (fromServer) {
        const QString failure = AtomicFile::write(StorageLayout::cataloguePath(),
                                                  document.toJson(QJsonDocument::Indented));
        if (!failure.isEmpty())
            qWarning("%s", qUtf8Printable(failure));
    }
    // Each info file is read once per catalogue, not once per entry.
    const InfoFileIndex infos = InfoFileIndex::read(StorageLayout::infosFolder());
    for (const CatalogueEntry& entry : CatalogueEntry::listFrom(document)) {
        const QString problem = entry.problem();
        if (!problem.isEmpty()) {
            qWarning("%s", qUtf8Printable(problem));
            emit catalogueEntryRejected(problem);
            continue;
        }
        std::unique_ptr<Product> product(createProduct(entry, infos));
        if (product->releaseState() != m_currentReleaseState)
            continue;
        const QString name = product->name();
        m_products.append(product.release());
        if (fromServer) {
            StorageLayout::kindFolder(StorageLayout::FileKind::Firmware);
            StorageLayout::kindFolder(StorageLayout::FileKind::AssemblyInstructions);
            requestFirmwareList(name);
            requestAssemblyInstructionsList(name);
        }
    }
    emit pluginsChanged();
}

Product* ProductManager::createProduct(const CatalogueEntry& entry,
                                       const InfoFileIndex& infos) const
{
    auto* product = new Product;
    product->setInstallationState(Product::NOT_INSTALLED);
    product->setAppId(entry.numericAppId());
    product->setName(entry.name);
    product->setInstalledVersion(entry.version);
    product->setReleaseState(entry.state);
    InstallationCheck::applyInstalledFile(entry, infos, m_currentReleaseState, *product);
    InstallationCheck::applyOlderFiles(entry, infos, *product);
    return product;
}

// Views drop their rows before the products go, so no row ever reads a deleted product.
void ProductManager::clearProducts()
{
    m_model.beginReset();
    qDeleteAll(m_products);
    m_products.clear();
    m_model.endReset();
}

void ProductManager::downloadChangelog(int appId, bool forVireo)
{
    m_requestingAppId = appId;
    const Product* product = firstProduct(appId);
    // Without a product the URL would name the storage folder itself.
    if (!product) {
        emit downloadFailed(
            QStringLiteral("No changelog for appId %1: no plug-in of the catalogue carries it")
                .arg(appId));
        return;
    }
    const QString version = product->availableVersion().isEmpty() ? product->installedVersion()
                                                                  : product->availableVersion();
    HttpRequestHandler* request = newHandler(StorageLayout::changelogUrl(
        product->name(), version, Product::stateWord(product->releaseState())));
    if (forVireo)
        connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
                &ProductManager::changelogVireoPluginReceived, Qt::UniqueConnection);
    else
        connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
                &ProductManager::changelogReceived, Qt::UniqueConnection);
    request->getJsonFile(QUrlQuery());
}

QString ProductManager::formattedChangelog(const QJsonDocument& document) const
{
    return ChangelogFormatter::format(
        document.object().value(QLatin1String("changelog")).toObject(),
        ChangelogFormatter::currentLanguage());
}

// A document that parses but is no changelog object has no lines: an empty changelog.
void ProductManager::changelogReceived(const QJsonDocument& document)
{
    if (document.isNull()) {
        emit errorOccured(m_requestingAppId, JSON_CORRUPT);
        emit downloadFinished(false);
        return;
    }
    const QString text = formattedChangelog(document);
    emit changeLogAvailable(m_requestingAppId, text);
    for (Product* product : std::as_const(m_products)) {
        if (product->appId() != m_requestingAppId)
            continue;
        product->setChangelog(text);
        product->setInstallationState(Product::INSTALLED_UPDATEABLE_CHANGELOG);
    }
    emit downloadFinished(false);
}

void ProductManager::changelogVireoPluginReceived(const QJsonDocument& document)
{
    if (document.isNull()) {
        emit errorOccured(m_requestingAppId, JSON_CORRUPT);
        return;
    }
    const QString text = formattedChangelog(document);
    for (Product* product : std::as_const(m_products)) {
        if (product->appId() != m_requestingAppId)
            continue;
        product->setChangelog(text);
        product->setInstallationState(Product::INSTALLED_UPDATEABLE_CHANGELOG);
        emit changeLogForVireoPluginAvailable(product->appId(), text, product->availableVersion());
    }
}

void ProductManager::downloadPlugin(int appId, bool isUpdate)
{
    m_isUpdate = isUpdate;
    m_requestingAppId = appId;
    const Product* product = firstProductOfChannel(appId);
    if (!product) {
        emit downloadFailed(QStringLiteral("Cannot download appId %1: no plug-in of the %2 "
                                           "channel carries it")
                                .arg(appId)
                                .arg(Product::stateWord(m_currentReleaseState)));
        return;
    }
    const QString version = versionToInstall(*product);
    if (!NameCheck::isVersionName(version)) {
        emit downloadFailed(QStringLiteral("Cannot download %1: it offers no version \"%2\"")
                                .arg(product->name(), NameCheck::printable(version)));
        return;
    }
    m_release = Manifest();
    if (SignatureCheck::isOn())
        requestPluginSignature(*product, version);
    else
        requestLibrary(*product, version);
}

// The signature comes first: nothing of a version is fetched whose release the maker did not
// sign, and an update must be signed as newer than the installed version, so that an older
// signed version offered as newer is refused.
void ProductManager::requestPluginSignature(const Product& product, const QString& version)
{
    const QString state = Product::stateWord(product.releaseState());
    const QString url =
        StorageLayout::versionFolderUrl(product.name(), version, state) + SignatureFile::FILE_NAME;
    const Manifest expected{Manifest::PLUGIN, product.name(), version, state, {}};
    const QString installed = m_isUpdate ? product.installedVersion() : QString();
    HttpRequestHandler* request = newHandler(url);
    connect(request, &HttpRequestHandler::receivedFile, this,
            [this, url, expected, installed](const QString&, const QByteArray& reply) {
                Manifest release;
                QString problem = SignatureCheck::verify(reply, expected, url, &release);
                if (problem.isEmpty() && !installed.isEmpty() &&
                    QVersionNumber::fromString(release.version) <=
                        QVersionNumber::fromString(installed))
                    problem = QStringLiteral("Refused %1: the signed version %2 is not newer "
                                             "than the installed %3")
                                  .arg(url, release.version, installed);
                const Product* product = firstProductOfChannel(m_requestingAppId);
                if (problem.isEmpty() && product) {
                    m_release = release;
                    requestLibrary(*product, expected.version);
                } else {
                    refuse(problem.isEmpty() ? QStringLiteral("Refused %1: its plug-in left the "
                                                              "catalogue")
                                                   .arg(url)
                                             : problem);
                }
            });
    request->getFile(QString());
}

void ProductManager::requestLibrary(const Product& product, const QString& version)
{
    HttpRequestHandler* request = newHandler(StorageLayout::libraryUrl(
        product.name(), version, Product::stateWord(product.releaseState()),
        m_currentReleaseState));
    connect(request, &HttpRequestHandler::receivedFile, this, &ProductManager::pluginLibReceived,
            Qt::UniqueConnection);
    request->getFile(QString());
}

void ProductManager::refuse(const QString& reason)
{
    qWarning("%s", qUtf8Printable(reason));
    m_release = Manifest();
    m_pendingLibrary.clear();
    m_isUpdate = false;
    emit downloadFailed(reason);
}

// The library is kept in memory until its info has arrived and proved usable: only then do
// both replace the installed ones, so a failed or interrupted download leaves the previous
// installation whole. The library is stored under the name that loading and deletion use,
// whatever name the reply URL ends in.
void ProductManager::pluginLibReceived(const QString&, const QByteArray& reply)
{
    // The server answers some missing files with a success status and an error page.
    if (reply.isEmpty() || reply.contains(NOT_FOUND.toLatin1())) {
        emit downloadFailed(NOT_FOUND);
        return;
    }
    const Product* product = firstProduct(m_requestingAppId);
    if (!product) {
        emit downloadFailed(
            QStringLiteral("The library of appId %1 arrived after its plug-in left the catalogue")
                .arg(m_requestingAppId));
        return;
    }
    const QString version = versionToInstall(*product);
    const QString state = Product::stateWord(product->releaseState());
    if (SignatureCheck::isOn()) {
        const QString libraryName =
            StorageLayout::libraryFileName(product->name(), m_currentReleaseState);
        const QString problem = SignatureCheck::checkFile(
            m_release, QStringLiteral("libs/") + libraryName, reply,
            StorageLayout::libraryUrl(product->name(), version, state, m_currentReleaseState));
        if (!problem.isEmpty()) {
            refuse(problem);
            return;
        }
    }
    m_pendingLibrary = reply;
    const QString infoUrl = StorageLayout::libraryInfoUrl(product->name(), version, state);
    HttpRequestHandler* request = newHandler(infoUrl);
    connect(request, &HttpRequestHandler::downloadFailed, this,
            [this] { m_pendingLibrary.clear(); });
    if (!SignatureCheck::isOn()) {
        connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
                &ProductManager::pluginLibInfoReceived, Qt::UniqueConnection);
        request->getJsonFile(QUrlQuery());
        return;
    }
    // The digest covers the bytes as served, so the info is checked before it is parsed.
    const QString infoPath = product->name() + QStringLiteral(".info");
    connect(request, &HttpRequestHandler::receivedFile, this,
            [this, infoUrl, infoPath](const QString&, const QByteArray& reply) {
                const QString problem =
                    SignatureCheck::checkFile(m_release, infoPath, reply, infoUrl);
                if (!problem.isEmpty()) {
                    refuse(problem);
                    return;
                }
                pluginLibInfoReceived(QJsonDocument::fromJson(reply));
            });
    request->getFile(QString());
}

QString ProductManager::libraryInfoProblem(const QJsonDocument& document, int appId)
{
    if (document.isEmpty() || document.isNull())
        return NOT_FOUND;
    const QJsonObject info = document.object();
    const QString version = info.value(QLatin1String("version")).toString();
    const QString state = info.value(QLatin1String("state")).toString();
    // Version and state become the name of the info file.
    if (!NameCheck::isVersionName(version) || !Product::isStateWord(state))
        return QStringLiteral("The library info of appId %1 is unusable: version \"%2\", state "
                              "\"%3\"")
            .arg(appId)
            .arg(NameCheck::printable(version), NameCheck::printable(state));
    return QString();
}

void ProductManager::pluginLibInfoReceived(const QJsonDocument& document)
{
    m_isUpdate = false;
    m_release = Manifest();
    const QByteArray library = std::exchange(m_pendingLibrary, QByteArray());
    const QString problem = libraryInfoProblem(document, m_requestingAppId);
    if (!problem.isEmpty()) {
        emit downloadFailed(problem);
        return;
    }
    if (!writeLibrary(library))
        return;
    for (Product* product : std::as_const(m_products)) {
        if (product->appId() != m_requestingAppId)
            continue;
        if (!writeInfoFile(*product, document))
            return;
        emit pluginsChanged();
    }
    emit downloadFinished(false);
}

bool ProductManager::writeLibrary(const QByteArray& library)
{
    const Product* product = firstProduct(m_requestingAppId);
    if (library.isEmpty() || !product) {
        emit downloadFailed(
            QStringLiteral("The library info of appId %1 arrived without its library")
                .arg(m_requestingAppId));
        return false;
    }
    const QString failure = AtomicFile::write(
        StorageLayout::libraryPath(product->name(), m_currentReleaseState), library);
    if (!failure.isEmpty()) {
        emit downloadFailed(failure);
        return false;
    }
    // A deletion recorded earlier in this run must not sweep away the fresh library.
    PendingDeletions::cancel(
        StorageLayout::libraryFileName(product->name(), m_currentReleaseState));
    return true;
}

// The new info file is written before the old one goes, so a failed write leaves the
// plug-in recognised as installed in its previous version.
bool ProductManager::writeInfoFile(Product& product, const QJsonDocument& document)
{
    const QJsonObject info = document.object();
    const QString version = info.value(QLatin1String("version")).toString();
    const QString state = info.value(QLatin1String("state")).toString();
    // Looked up with the new document's state word: a changed state leaves the old file.
    const QString oldPath = StorageLayout::infoFilePath(
        StorageLayout::infoFileName(product.name(), product.installedVersion(), state));
    const QString newPath =
        StorageLayout::infoFilePath(StorageLayout::infoFileName(product.name(), version, state));

    const QString failure = AtomicFile::write(newPath, document.toJson(QJsonDocument::Indented));
    if (!failure.isEmpty()) {
        emit downloadFailed(failure);
        return false;
    }
    if (oldPath != newPath)
        QFile::remove(oldPath);

    product.setInstallationState(Product::INSTALLED);
    product.setInstalledVersion(version);
    product.setReleaseState(state);
    product.setReleaseDate(info.value(QLatin1String("relDate")).toString());
    product.setAvailableVersion(QString());
    return true;
}

void ProductManager::requestFirmwareList(const QString& name)
{
    requestFileList(name, StorageLayout::FileKind::Firmware);
}

void ProductManager::requestAssemblyInstructionsList(const QString& name)
{
    requestFileList(name, StorageLayout::FileKind::AssemblyInstructions);
}

void ProductManager::requestFileList(const QString& name, StorageLayout::FileKind kind)
{
    if (!NameCheck::isPlainFileName(name)) {
        rejectAdditionalFile(
            QStringLiteral("No %1 list requested for \"%2\": not a plain plug-in name")
                .arg(StorageLayout::folderWord(kind), NameCheck::printable(name)));
        return;
    }
    if (SignatureCheck::isOn()) {
        requestSignedFileList(name, kind);
        return;
    }
    HttpRequestHandler* request = newHandler(StorageLayout::fileListUrl(name, kind));
    connect(request, &HttpRequestHandler::httpRequestJSONFileReceived, this,
            [this, kind](const QJsonDocument& document) {
                additionalInfoFileReceived(document, kind);
            });
    request->getJsonFile(QUrlQuery());
}

// The folder's signature comes first, then the list, whose bytes are checked before they are
// read; every listed file is checked against the same manifest before it is saved. A signed
// list covers its own folder only, so with checks on it may not send the files elsewhere.
void ProductManager::requestSignedFileList(const QString& name, StorageLayout::FileKind kind)
{
    const QString url = StorageLayout::kindFolderUrl(name, kind) + SignatureFile::FILE_NAME;
    const Manifest expected{StorageLayout::folderWord(kind), name, {}, {}, {}};
    HttpRequestHandler* request = newHandler(url);
    connect(request, &HttpRequestHandler::receivedFile, this,
            [this, url, expected, kind](const QString&, const QByteArray& reply) {
                Manifest folder;
                const QString problem = SignatureCheck::verify(reply, expected, url, &folder);
                if (!problem.isEmpty()) {
                    rejectAdditionalFile(problem);
                    return;
                }
                m_signedFileFolders.insert(StorageLayout::kindFolderUrl(expected.name, kind),
                                           folder);
                requestSignedList(folder, kind);
            });
    request->getFile(QString());
}

void ProductManager::requestSignedList(const Manifest& folder, StorageLayout::FileKind kind)
{
    const QString url = StorageLayout::fileListUrl(folder.name, kind);
    HttpRequestHandler* request = newHandler(url);
    connect(request, &HttpRequestHandler::receivedFile, this,
            [this, url, folder, kind](const QString& listName, const QByteArray& reply) {
                QString problem = SignatureCheck::checkFile(folder, listName, reply, url);
                const QJsonDocument document = QJsonDocument::fromJson(reply);
                const QString listed = FileList::fromJson(document, kind).folderName;
                if (problem.isEmpty() && !listed.isEmpty() && listed != folder.name)
                    problem = QStringLiteral("Refused %1: it names the folder \"%2\", not its own")
                                  .arg(url, NameCheck::printable(listed));
                if (!problem.isEmpty()) {
                    rejectAdditionalFile(problem);
                    return;
                }
                additionalInfoFileReceived(document, kind);
            });
    request->getFile(QString());
}

void ProductManager::additionalInfoFileReceived(const QJsonDocument& document,
                                                StorageLayout::FileKind kind)
{
    // A document that is no array is no list at all, as unusable as a null one.
    if (!document.isArray()) {
        emit errorOccured(m_requestingAppId, JSON_CORRUPT);
        return;
    }
    const FileList list = FileList::fromJson(document, kind);
    for (const QString& problem : list.problems)
        rejectAdditionalFile(problem);
    if (list.folderName.isEmpty())
        return;
    StorageLayout::pluginFileFolder(kind, list.folderName);
    for (const QString& fileName : list.fileNames) {
        HttpRequestHandler* request =
            newHandler(StorageLayout::fileUrl(list.folderName, kind, fileName));
        if (kind == StorageLayout::FileKind::Firmware)
            connect(request, &HttpRequestHandler::receivedFile, this,
                    &ProductManager::firmwareFileReceived, Qt::UniqueConnection);
        else
            connect(request, &HttpRequestHandler::receivedFile, this,
                    &ProductManager::assemblyInstructionsFileReceived, Qt::UniqueConnection);
        request->getFile(list.folderName);
    }
}

void ProductManager::firmwareFileReceived(const QString& fileName, const QByteArray& reply,
                                          const QString& pluginName)
{
    saveAdditionalFile(StorageLayout::FileKind::Firmware, fileName, reply, pluginName);
}

void ProductManager::assemblyInstructionsFileReceived(const QString& fileName,
                                                      const QByteArray& reply,
                                                      const QString& pluginName)
{
    saveAdditionalFile(StorageLayout::FileKind::AssemblyInstructions, fileName, reply, pluginName);
}

void ProductManager::saveAdditionalFile(StorageLayout::FileKind kind, const QString& fileName,
                                        const QByteArray& reply, const QString& pluginName)
{
    // The server answers some missing files with a success status and an error page.
    if (reply.isEmpty() || reply.contains(NOT_FOUND.toLatin1())) {
        emit downloadFailed(NOT_FOUND);
        return;
    }
    if (!NameCheck::isPlainFileName(pluginName) || !NameCheck::isPlainFileName(fileName)) {
        rejectAdditionalFile(
            QStringLiteral("The %1 file \"%2\" of \"%3\" is not saved: not a plain file name")
                .arg(StorageLayout::folderWord(kind), NameCheck::printable(fileName),
                     NameCheck::printable(pluginName)));
        return;
    }
    if (SignatureCheck::isOn()) {
        const QString folderUrl = StorageLayout::kindFolderUrl(pluginName, kind);
        const QString problem = SignatureCheck::checkFile(m_signedFileFolders.value(folderUrl),
                                                          fileName, reply, folderUrl + fileName);
        if (!problem.isEmpty()) {
            rejectAdditionalFile(problem);
            return;
        }
    }
    const QString failure =
        AtomicFile::write(StorageLayout::pluginFileFolder(kind, pluginName) + fileName, reply);
    if (!failure.isEmpty())
        emit downloadFailed(failure);
}

void ProductManager::rejectAdditionalFile(const QString& reason)
{
    qWarning("%s", qUtf8Printable(reason));
    emit additionalFileRejected(reason);
}

void ProductManager::deletePlugin(int appId)
{
    for (Product* product : std::as_const(m_products)) {
        if (product->appId() != appId)
            continue;
        const QString infoName =
            StorageLayout::infoFileName(product->name(), product->installedVersion(),
                                        Product::stateWord(product->releaseState()));
        const QString libraryName =
            StorageLayout::libraryFileName(product->name(), m_currentReleaseState);
        product->setInstallationState(Product::INSTALLED_DELETED);
        product->setReleaseDate(QString());
        QFile::remove(StorageLayout::infoFilePath(infoName));
        // The library may be loaded in this process; it goes at quit or at the next start.
        PendingDeletions::schedule(libraryName, StorageLayout::libsFolder() + libraryName);
    }
    emit pluginsChanged();
    emit pluginDeleted(appId);
}

IPlugin* ProductManager::loadPlugin(int appId)
{
    const Product* product = firstProduct(appId);
    if (!product)
        return nullptr;
    // Kept as a child and never unloaded: the plug-in object lives as long as the process.
    m_library =
        new QLibrary(StorageLayout::libraryPath(product->name(), m_currentReleaseState), this);
    const auto getPlugin = reinterpret_cast<GetPluginFunction>(m_library->resolve("getPlugin"));
    if (!getPlugin) {
        qWarning("No plug-in in %s: %s", qUtf8Printable(m_library->fileName()),
                 qUtf8Printable(m_library->errorString()));
        return nullptr;
    }
    return getPlugin();
}

Product* ProductManager::firstProduct(int appId) const
{
    for (Product* product : m_products) {
        if (product->appId() == appId)
            return product;
    }
    return nullptr;
}

Product* ProductManager::firstProductOfChannel(int appId) const
{
    for (Product* product : m_products) {
        if (product->appId() == appId && product->releaseState() == m_currentReleaseState)
            return product;
    }
    return nullptr;
}

QString ProductManager::versionToInstall(const Product& product) const
{
    return m_isUpdate ? product.availableVersion() : product.installedVersion();
}
