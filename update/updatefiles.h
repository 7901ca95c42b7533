#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// Where the shell's own update comes from and where it is put: the server documents, the
// five downloads and the local update folder that the extractor is started from.
namespace UpdateFiles {

inline const QString ARCHIVE_NAME = QStringLiteral("qmk.dat");
inline const QString EXTRACTOR_NAME = QStringLiteral("BhZipper.exe");

QString versionDocumentUrl();
QString changelogDocumentUrl();

// The archive first, then the four paths that the update description of the changelog
// document names (its "BhZipper" object), each below the storage URL.
QStringList downloadUrls(const QJsonObject& changelogDocument);

// The application data folder + "/bundleUpdate"; not created here.
QString folder();

// The files the folder must hold before the extractor may start, in the order they are
// checked: the archive, the extractor and the three libraries the extractor needs.
const QStringList& requiredFiles();

// The first required file that `folder` lacks, or "" when all are there.
QString firstMissingFile(const QString& folder);

} // namespace UpdateFiles
