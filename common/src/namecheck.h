#pragma once

#include <QString>

// Names that come from the server become parts of file paths and URLs only after these
// checks, so that nothing is ever written or deleted outside the application data folder.
// The rules are those of the strictest platform the program runs on, so that a name never
// aliases a device or another file there either.
namespace NameCheck {

// A single file-name component: not empty; no "/" or "\"; none of < > : " | ? * and no
// control characters (Windows refuses or reinterprets them) and no invisible formatting
// characters such as direction overrides; no "%" or "#", which a URL would
// decode or cut off; not ending in a dot or a space (Windows drops them, so ".." and "a."
// would name other files); not a reserved device name such as CON, NUL or COM1, with or
// without an extension.
bool isPlainFileName(const QString& name);

// A version text that can become part of a file name: once its dots are underscores it must
// be a plain file name. "2.10.1", "1.2.0-beta" and "1.10.0rc1" are versions.
bool isVersionName(const QString& version);

// A text as it may appear in a status line or the log file: control and invisible formatting
// characters (line breaks, NUL, direction overrides) are written as \uXXXX, so that nothing
// from the server can start a line of its own or disguise itself.
QString escapeHidden(const QString& text);
// A name from the server in a text: escaped, and cut short when very long.
QString printable(const QString& name);

} // namespace NameCheck
