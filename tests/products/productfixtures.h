#pragma once

#include "testhttpserver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// Catalogue entries, info documents and file helpers shared by the product tests.
namespace Fixtures {

inline QJsonObject entry(const QString& appId, const QString& name, const QString& version,
                         const QString& state,
                         const QString& relDate = QStringLiteral("01.02.2024"))
{
    return {{"appId", appId},
            {"name", name},
            {"version", version},
            {"state", state},
            {"relDate", relDate}};
}

inline QByteArray catalogue(const QList<QJsonObject>& entries)
{
    QJsonArray plugins;
    for (const QJsonObject& object : entries)
        plugins.append(object);
    return QJsonDocument(QJsonObject{{"plugins", plugins}}).toJson(QJsonDocument::Compact);
}

// A library info document, as the server delivers it and installation stores it.
inline QByteArray info(const QString& appId, const QString& version, const QString& state,
                       const QString& relDate = QStringLiteral("01.02.2024"))
{
    return QJsonDocument(entry(appId, QString(), version, state, relDate))
        .toJson(QJsonDocument::Compact);
}

inline void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file and folder below `root`, relative to it, leaving out the subtree `skip`.
inline QStringList entriesBelow(const QString& root, const QString& skip)
{
    QStringList found;
    const QDir base(root);
    QDirIterator entries(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (!path.startsWith(skip))
            found.append(base.relativeFilePath(path));
    }
    found.sort();
    return found;
}

// Routes below the storage URL that a test sets and that are removed again after it.
class StorageRoutes
{
public:
    explicit StorageRoutes(TestHttpServer& server) : m_server(server) {}

    void serve(const QString& storagePath, const TestHttpServer::Route& route)
    {
        const QString path = QStringLiteral("/storage/kelvo/") + storagePath;
        m_server.setRoute(path, route);
        m_paths.append(path);
    }

    void clear()
    {
        for (const QString& path : std::as_const(m_paths))
            m_server.removeRoute(path);
        m_paths.clear();
    }

private:
    TestHttpServer& m_server;
    QStringList m_paths;
};

} // namespace Fixtures

Q_DECLARE_METATYPE(TestHttpServer::Route)
