#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Maps the path of a request URL onto a file below the served folder, so that no request
// can reach anything outside it.
namespace StoragePath {

// The decoded segments of a percent-encoded URL path. Empty and "." segments are dropped
// (the shell asks for "storage/kelvo//translations/..."). No value for a path that tries to
// leave its folder or to name another one: a ".." segment, a slash hidden by encoding, a
// backslash, a NUL or a drive letter, plain or encoded.
std::optional<QStringList> segments(const QByteArray& encodedPath);

// The canonical path of the regular file that `segments` name below `canonicalRoot`, or an
// empty text when there is none or when it lies outside the root once symbolic links are
// resolved.
QString locateFile(const QString& canonicalRoot, const QStringList& segments);

} // namespace StoragePath
