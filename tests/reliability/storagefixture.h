#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

class TestHttpServer;

// One plug-in storage as the server offers it, and a data folder that already holds an
// earlier installation of the same plug-in, so that a test can see whether a failed request
// spoiled anything that was good before.
//
// The plug-in "Vent" (appId 5) is installed in 1.0.0 and offered in 1.1.0; its firmware
// and assembly-instruction files, the shell's translation files and an earlier update lie in
// the data folder, each with the content the server delivers for it.
namespace StorageFixture {

constexpr int APP_ID = 5;
const QString STORAGE = QStringLiteral("/storage/kelvo/");
const QString VERSION_FOLDER = STORAGE + QStringLiteral("Vent/1_1_0_release/");
const QByteArray INSTALLED_LIBRARY = "library of Vent 1.0.0";
const QByteArray OFFERED_LIBRARY = "library of Vent 1.1.0";

// Library info of Vent in `version`, released on `relDate`.
QByteArray libraryInfo(const QString& version, const QString& relDate);

// Every resource the shell asks for, each answered with good content.
void serve(TestHttpServer& server);
// The earlier installation, written into the (emptied) data folder.
void seedDataFolder();

// Every file (path relative to `root` and content) and every folder (path ending in "/")
// below `root`.
QMap<QString, QByteArray> snapshot(const QString& root);

} // namespace StorageFixture
