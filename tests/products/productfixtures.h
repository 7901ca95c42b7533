#pragma once

#include "productmanager.h"
#include "testenvironment.h"
#include "testhttpserver.h"

#include <QtTest>

// Catalogue entries, info documents and the data folder, server and manager of a product test.

inline QJsonObject entry(const QString& id, const QString& name, const QString& version,
                         const QString& state, const QString& date = "01.02.2024")
{
    return {
        {"appId", id}, {"name", name}, {"version", version}, {"state", state}, {"relDate", date}};
}

inline QByteArray catalogue(const QJsonArray& entries)
{
    return QJsonDocument(QJsonObject{{"plugins", entries}}).toJson(QJsonDocument::Compact);
}

// A library info document, as the server delivers it and installation stores it.
inline QByteArray info(const QString& appId, const QString& version, const QString& state,
                       const QString& relDate = "01.02.2024")
{
    return QJsonDocument(entry(appId, QString(), version, state, relDate))
        .toJson(QJsonDocument::Compact);
}

inline QByteArray indented(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented);
}

class ProductHarness
{
public:
    // The server URL is read once by the first request: set before anything asks for it.
    ProductHarness() { qputenv("QUILLMARK_SERVER_URL", server.baseUrl().toUtf8()); }

    // Empty data folder and settings, no routes or requests, the release channel.
    void reset()
    {
        for (const QString& route : std::as_const(m_routes))
            server.removeRoute(route);
        m_routes.clear();
        environment.clear();
        server.clearRequests();
        manager->setCurrentReleaseState(Product::RELEASE);
        failed.clear();
    }

    // `relative` is relative to the data folder.
    QString path(const QString& relative) const
    {
        return environment.appDataPath() + '/' + relative;
    }
    void write(const QString& relative, const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    QByteArray read(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList infoFiles() const { return QDir(path("infos")).entryList(QDir::Files, QDir::Name); }
    // Every file and folder of the test's home outside the data folder.
    QStringList outsideData() const
    {
        QStringList found;
        QDirIterator entries(environment.root(),
                             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString item = entries.next();
            if (!item.startsWith(environment.appDataPath()))
                found.append(item);
        }
        found.sort();
        return found;
    }

    void serve(const QString& storagePath, const TestHttpServer::Route& route)
    {
        m_routes.append("/storage/kelvo/" + storagePath);
        server.setRoute(m_routes.last(), route);
    }
    void loadStored(const QByteArray& catalogue)
    {
        write("plugins.info", catalogue);
        manager->loadPlugins(true);
    }

    // The text of the one failure reported since reset(), else how many there were.
    QString failure() const
    {
        return failed.size() == 1 ? failed.first().first().toString()
                                  : QString("%1 failures").arg(failed.size());
    }

    TestEnvironment environment;
    TestHttpServer server;
    ProductManager* const manager = ProductManager::instance();
    QSignalSpy failed{manager, &ProductManager::downloadFailed};

private:
    QStringList m_routes;
};

Q_DECLARE_METATYPE(TestHttpServer::Route)
