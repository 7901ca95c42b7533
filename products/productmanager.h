#pragma once

#include "manifest.h"
#include "product.h"
#include "productlistmodel.h"
#include "storagelayout.h"

#include <QByteArray>
#include <QHash>
#include <QJsonDocument>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class HttpRequestHandler;
class IPlugin;
class QLibrary;
struct CatalogueEntry;
class InfoFileIndex;

// Keeps the plug-ins that the launcher shows: fetches the catalogue (or reads its stored
// copy), derives each plug-in's state from the info files on disk, fetches changelogs,
// installs, updates and deletes plug-ins and loads their libraries.
class ProductManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject* productListModel READ productListModel NOTIFY pluginsChanged)

public:
    enum ErrorType { DOWNLOAD_FAILED = 0, JSON_CORRUPT = 1 };
    Q_ENUM(ErrorType)

    // The single instance, created on first use; it lives until the process ends.
    static ProductManager* instance();

    QObject* productListModel();
    // The handler of the most recent request; null once it has delivered its replies.
    HttpRequestHandler* handler() const;
    // The catalogue entries of the running channel, in catalogue order.
    const QList<Product*>& products() const { return m_products; }

    Q_INVOKABLE Product::ReleaseState currentReleaseState() const { return m_currentReleaseState; }
    // 0 RELEASE, 1 BETA, 2 DEV; set once at start-up, before the launcher loads.
    void setCurrentReleaseState(int state);

    // Rebuilds the product list from the stored catalogue copy, or from the server.
    Q_INVOKABLE void loadPlugins(bool useLocalCatalogue);
    // Fetches the changelog of the version that plug-in `appId` would install.
    Q_INVOKABLE void downloadChangelog(int appId, bool forVireo);
    // Installs the offered version of plug-in `appId`, or its newer version when `isUpdate`.
    Q_INVOKABLE void downloadPlugin(int appId, bool isUpdate);
    // Forgets the installation at once; the library goes at the next pending-deletion sweep.
    Q_INVOKABLE void deletePlugin(int appId);
    // The plug-in object of the library of plug-in `appId`, or null. Libraries stay loaded.
    IPlugin* loadPlugin(int appId);
    Q_INVOKABLE void requestFirmwareList(const QString& name);
    Q_INVOKABLE void requestAssemblyInstructionsList(const QString& name);

    // Why a library info document of plug-in `appId` cannot be stored, empty when it can.
    static QString libraryInfoProblem(const QJsonDocument& document, int appId);

signals:
    void downloadFailed(QString errorString);
    void pluginsChanged();
    void changeLogAvailable(int requestingAppId, QString newChangeLog);
    void changeLogForVireoPluginAvailable(int appId, QString newChangeLog,
                                          QString availableVersion);
    void downloadFinished(bool show);
    void pluginDeleted(int requestingAppId);
    void errorOccured(int requestingAppId, ProductManager::ErrorType error);
    // A catalogue entry was skipped because its name, version or state cannot be used.
    void catalogueEntryRejected(QString reason);
    // A folder or file name of an additional-file list was skipped for the same reason.
    void additionalFileRejected(QString reason);

public slots:
    void pluginsInfoReceived(const QJsonDocument& document);
    void firmwareFileReceived(const QString& fileName, const QByteArray& reply,
                              const QString& pluginName);
    void assemblyInstructionsFileReceived(const QString& fileName, const QByteArray& reply,
                                          const QString& pluginName);
    // Each list reply is handled as the kind of the request that it answers.
    void additionalInfoFileReceived(const QJsonDocument& document, StorageLayout::FileKind kind);
    void changelogReceived(const QJsonDocument& document);
    void changelogVireoPluginReceived(const QJsonDocument& document);
    void pluginLibReceived(const QString& fileName, const QByteArray& reply);
    void pluginLibInfoReceived(const QJsonDocument& document);

private:
    ProductManager();

    HttpRequestHandler* newHandler(const QString& url);
    void requestPluginSignature(const Product& product, const QString& version);
    void requestLibrary(const Product& product, const QString& version);
    // Stops the running download: nothing of it is written, the installation stays as it was.
    void refuse(const QString& reason);
    bool loadStoredCatalogue(bool evenIfCorrupt);
    void requestCatalogue();
    void catalogueUnavailable();
    void processCatalogue(const QJsonDocument& document, bool fromServer);
    Product* createProduct(const CatalogueEntry& entry, const InfoFileIndex& infos) const;
    void clearProducts();
    void requestFileList(const QString& name, StorageLayout::FileKind kind);
    void requestSignedFileList(const QString& name, StorageLayout::FileKind kind);
    void requestSignedList(const Manifest& folder, StorageLayout::FileKind kind);
    void saveAdditionalFile(StorageLayout::FileKind kind, const QString& fileName,
                            const QByteArray& reply, const QString& pluginName);
    bool writeLibrary(const QByteArray& library);
    bool writeInfoFile(Product& product, const QJsonDocument& document);
    QString formattedChangelog(const QJsonDocument& document) const;
    Product* firstProduct(int appId) const;
    Product* firstProductOfChannel(int appId) const;
    QString versionToInstall(const Product& product) const;
    void rejectAdditionalFile(const QString& reason);

    bool m_isUpdate = false;
    int m_requestingAppId = 0;
    QList<Product*> m_products;
    QPointer<HttpRequestHandler> m_handler;
    // The library of the running download, until its library info has arrived.
    QByteArray m_pendingLibrary;
    // The signed release of the running download, while signature checks are on.
    Manifest m_release;
    // The signed manifest of each additional-file folder, by the folder's URL.
    QHash<QString, Manifest> m_signedFileFolders;
    QLibrary* m_library = nullptr;
    Product::ReleaseState m_currentReleaseState = Product::RELEASE;
    ProductListModel m_model{&m_products};
};
