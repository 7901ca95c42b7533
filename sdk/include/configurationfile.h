#pragma once

#include <QJsonObject>
#include <QString>

// A device configuration on disk: an indented JSON document naming the plug-in it belongs to,
// the settings' values and the report texts of that configuration.
struct ConfigurationFile
{
    QString pluginName;
    QJsonObject configuration;
    QJsonObject reportMetaData;
    QJsonObject deviceState; // only in the device's own memory

    // A path typed by the user or a "file:" URL from a file dialog, as a local path.
    static QString localPath(const QString& pathOrUrl);
    // Each returns an empty text on success, else why it failed.
    QString write(const QString& path) const;
    QString read(const QString& path);
};
