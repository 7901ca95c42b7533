#pragma once

#include "storagerequest.h"
#include "storageresponse.h"

#include <QString>
#include <QStringList>

// Answers requests from a storage folder: its files by their URL path, and the list of
// plug-ins that have translations as "getPluginNames.php".
class StorageResponder
{
public:
    explicit StorageResponder(const QString& rootPath);

    StorageResponse respond(const StorageRequest& request) const;

private:
    // Names of the folders directly below "storage/kelvo/" that hold a "translations"
    // folder, sorted.
    QStringList pluginNamesWithTranslations() const;
    StorageResponse fileResponse(const QByteArray& encodedPath) const;
    StorageResponse pluginNamesResponse() const;

    QString m_canonicalRoot;
};
