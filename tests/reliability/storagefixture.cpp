#include "storagefixture.h"

#include "globals.h"
#include "testhttpserver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

namespace StorageFixture {
namespace {

struct Resource
{
    QString serverPath;
    QByteArray body;
    QString localPath; // relative to the data folder; empty when no copy is kept
};

QByteArray json(const QJsonValue& value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

const QList<Resource>& resources()
{
    static const QList<Resource> list{
        {STORAGE + "plugins.info",
         json(QJsonObject{{"plugins", QJsonArray{QJsonObject{{"appId", "5"},
                                                             {"name", "Vent"},
                                                             {"version", "1.1.0"},
                                                             {"state", "release"},
                                                             {"relDate", "01.02.2024"}}}}}),
         "plugins.info"},
        {VERSION_FOLDER + "Vent_1_1_0.json",
         json(QJsonObject{
             {"changelog", QJsonObject{{"Features", QJsonObject{{"en", QJsonArray{"Fan"}}}}}}}),
         {}},
        {VERSION_FOLDER + "libs/Vent.dll", OFFERED_LIBRARY, {}},
        {VERSION_FOLDER + "Vent.info", libraryInfo("1.1.0", "01.02.2024"), {}},
        {STORAGE + "Vent/firmwares/firmware.info", json(QJsonArray{"Vent", "fw.bin"}), {}},
        {STORAGE + "Vent/firmwares/fw.bin", "firmware", "firmwares/Vent/fw.bin"},
        {STORAGE + "Vent/assembly_instructions/assembly_instructions.info",
         json(QJsonArray{"Vent", "mount.pdf"}),
         {}},
        {STORAGE + "Vent/assembly_instructions/mount.pdf", "instructions",
         "assembly_instructions/Vent/mount.pdf"},
        {STORAGE + "kelvo.info", json(QJsonObject{{"version", "2.2.0"}}), {}},
        {STORAGE + "changelog.json",
         json(QJsonObject{
             {"changelog", QJsonObject{{"Fixes", QJsonObject{{"en", QJsonArray{"Crash"}}}}}},
             {"BhZipper",
              QJsonObject{{"windows", QJsonObject{{"download-url", "BhZipper.exe"},
                                                  {"download-dll", "Qt5Core.dll"},
                                                  {"extension-dll", "msvcp140.dll"},
                                                  {"extension2-dll", "vcruntime140.dll"}}}}}}),
         {}},
        {STORAGE + "qmk.dat", "archive", "bundleUpdate/qmk.dat"},
        {STORAGE + "BhZipper.exe", "extractor", "bundleUpdate/BhZipper.exe"},
        {STORAGE + "Qt5Core.dll", "core", "bundleUpdate/Qt5Core.dll"},
        {STORAGE + "msvcp140.dll", "msvcp", "bundleUpdate/msvcp140.dll"},
        {STORAGE + "vcruntime140.dll", "vcruntime", "bundleUpdate/vcruntime140.dll"},
        {"/getPluginNames.php", json(QJsonArray{"Vent"}), {}},
        {STORAGE + "/translations/qmk_en.qm", "shell catalogue", "translations/qmk_en.qm"},
        {STORAGE + "Vent/translations/Vent_en.qm", "plug-in catalogue", "translations/Vent_en.qm"},
    };
    return list;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("Cannot seed %s", qPrintable(path));
}

} // namespace

QByteArray libraryInfo(const QString& version, const QString& relDate)
{
    return json(QJsonObject{
        {"appId", "5"}, {"version", version}, {"state", "release"}, {"relDate", relDate}});
}

void serve(TestHttpServer& server)
{
    for (const Resource& resource : resources())
        server.setFile(resource.serverPath, resource.body);
}

void seedDataFolder()
{
    const QString data = Globals::appDataPath() + QLatin1Char('/');
    for (const Resource& resource : resources()) {
        if (!resource.localPath.isEmpty())
            writeFile(data + resource.localPath, resource.body);
    }
    writeFile(data + "libs/Vent.dll", INSTALLED_LIBRARY);
    writeFile(data + "infos/Vent_1_0_0_release.info", libraryInfo("1.0.0", "01.12.2023"));
}

QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> entries;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString relative = base.relativeFilePath(entry.filePath());
        if (entry.isDir()) {
            entries.insert(relative + QLatin1Char('/'), {});
            continue;
        }
        QFile file(entry.filePath());
        entries.insert(relative, file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable");
    }
    return entries;
}

} // namespace StorageFixture
