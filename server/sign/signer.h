#pragma once

#include "manifest.h"
#include "signaturefile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the signing tool does. Every function returns an empty text on success, otherwise a
// description of the failure.
namespace Signer {

// A new key pair: the private key as PEM readable by its owner only (an existing file is never
// overwritten), the public key as one base64 line for the shell's build setting.
QString makeKeys(const QString& privatePath, const QString& publicPath);
QString readPrivateKey(const QString& path, QByteArray* privatePem);

// Writes `outputName` into `folder` for the release `release` (its files are ignored): a
// manifest of `paths` (relative to the folder), or of every file below it but signature files.
QString signFolder(const QString& folder, const Manifest& release, const QStringList& paths,
                   const QString& outputName, const QByteArray& privatePem);

// Signs a whole storage folder as the shell reads it: each plug-in version folder
// ("<name>/<V>_<state>"), each translations folder and each additional-file folder, and the
// shell's update (the archive and the four files the changelog's update description names,
// for the version of kelvo.info).
QString signStorage(const QString& storage, const QByteArray& privatePem);

} // namespace Signer
