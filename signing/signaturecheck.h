#pragma once

#include "manifest.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The shell's side of signed releases: the maker's public keys that this build trusts, and
// the checks that every downloaded library, info file, file list, translation and update file
// passes before it is written into place. Without trusted keys (a developer build) nothing is
// checked and the shell says so once in the log.
namespace SignatureCheck {

// Trusts the keys given as base64 texts of raw Ed25519 public keys, several so that a key can
// be rotated. A text that is no such key is reported in the log and skipped.
void trustKeys(const QStringList& base64Keys);
const QList<QByteArray>& trustedKeys();
// Whether downloads are checked: true once at least one key is trusted.
bool isOn();

// Empty and `verified` filled when `signatureFile` is signed by a trusted key and covers the
// release `expected`; otherwise a status line naming `url`, the signature file's address.
QString verify(const QByteArray& signatureFile, const Manifest& expected, const QString& url,
               Manifest* verified);
// Empty when `content` is the file `path` of `manifest`; otherwise a status line naming `url`,
// the file's address.
QString checkFile(const Manifest& manifest, const QString& path, const QByteArray& content,
                  const QString& url);

} // namespace SignatureCheck
