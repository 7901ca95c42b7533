#pragma once

#include <QHash>
#include <QJsonObject>
#include <QString>

// The texts of the report cover sheet, kept for each configuration (the device's own, or a
// configuration file) and stored on disk, so that a report made later finds them again.
class ReportMetaData
{
public:
    explicit ReportMetaData(QString storePath);

    QString value(const QString& configurationId, const QString& key) const;
    // Returns false when the store could not be written; the value is kept in memory then.
    bool setValue(const QString& configurationId, const QString& key, const QString& text);
    QJsonObject entries(const QString& configurationId) const;
    bool setEntries(const QString& configurationId, const QJsonObject& entries);

private:
    bool save() const;

    QString m_storePath;
    QHash<QString, QJsonObject> m_entries;
};
