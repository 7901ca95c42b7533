#include "reportmetadata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

ReportMetaData::ReportMetaData(QString storePath) : m_storePath(std::move(storePath))
{
    QFile store(m_storePath);
    if (!store.open(QIODevice::ReadOnly))
        return;
    // A damaged store starts empty rather than stopping the plug-in.
    const QJsonObject all = QJsonDocument::fromJson(store.readAll()).object();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it->isObject())
            m_entries.insert(it.key(), it->toObject());
    }
}

QString ReportMetaData::value(const QString& configurationId, const QString& key) const
{
    return m_entries.value(configurationId).value(key).toString();
}

bool ReportMetaData::setValue(const QString& configurationId, const QString& key,
                              const QString& text)
{
    QJsonObject& entries = m_entries[configurationId];
    if (entries.value(key).toString() == text && entries.contains(key))
        return true;
    entries.insert(key, text);
    return save();
}

QJsonObject ReportMetaData::entries(const QString& configurationId) const
{
    return m_entries.value(configurationId);
}

bool ReportMetaData::setEntries(const QString& configurationId, const QJsonObject& entries)
{
    QJsonObject texts;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->isString())
            texts.insert(it.key(), *it);
    }
    m_entries.insert(configurationId, texts);
    return save();
}

bool ReportMetaData::save() const
{
    QJsonObject all;
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
        all.insert(it.key(), it.value());
    QDir().mkpath(QFileInfo(m_storePath).path());
    QSaveFile store(m_storePath);
    return store.open(QIODevice::WriteOnly) &&
           store.write(QJsonDocument(all).toJson(QJsonDocument::Indented)) >= 0 && store.commit();
}
