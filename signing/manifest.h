#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the maker signs for one folder of the storage: which release it covers (scope, owner
// name, version and state word) and each file's path below the folder, size and SHA-256
// digest. The shell compares the release with the one it asked for, so that a signed folder of
// another plug-in or version, or an older release replayed as newer, is refused.
struct Manifest
{
    struct Entry
    {
        QString path;
        qint64 size = 0;
        QByteArray sha256;
    };

    // The scopes of the storage: a plug-in's version folder, a translations folder, a folder
    // of additional files, and the shell's update.
    static inline const QString PLUGIN = QStringLiteral("plugin");
    static inline const QString TRANSLATIONS = QStringLiteral("translations");
    static inline const QString UPDATE = QStringLiteral("update");

    QString scope;
    QString name;
    QString version;
    QString state;
    QList<Entry> files;

    static Entry describe(const QString& path, const QByteArray& content);

    // The manifest, or an empty one and `error` set when `text` is not a well-formed manifest.
    static Manifest fromJson(const QByteArray& text, QString* error);
    QByteArray toJson() const;

    // The entry of `path`, null when the manifest does not list it.
    const Entry* entry(const QString& path) const;
    // Empty when `content` is the file the manifest lists as `path`, else why not.
    QString checkFile(const QString& path, const QByteArray& content) const;
    // Empty when this manifest covers the release `expected` names (its files are not
    // compared; an expected release without a version takes any, which the caller then
    // judges itself), else which field differs.
    QString mismatch(const Manifest& expected) const;
};
