#include "signer.h"

#include "ed25519.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

namespace Signer {
namespace {

QString readFile(const QString& path, QByteArray* content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    *content = file.readAll();
    return {};
}

QString writeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return {};
    return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
}

bool isSignatureFile(const QString& fileName)
{
    return fileName == SignatureFile::FILE_NAME || fileName == SignatureFile::UPDATE_FILE_NAME;
}

QStringList allFiles(const QDir& folder)
{
    QStringList paths;
    QDirIterator files(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!isSignatureFile(QFileInfo(path).fileName()))
            paths << folder.relativeFilePath(path);
    }
    paths.sort();
    return paths;
}

QJsonObject readJson(const QString& path)
{
    QByteArray content;
    readFile(path, &content);
    return QJsonDocument::fromJson(content).object();
}

QStringList subfolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString signUpdate(const QDir& storage, const QByteArray& privatePem)
{
    const QJsonObject description = readJson(storage.filePath("changelog.json"))
                                        .value(QLatin1String("BhZipper"))
                                        .toObject()
                                        .value(QLatin1String("windows"))
                                        .toObject();
    const QString version =
        readJson(storage.filePath("kelvo.info")).value(QLatin1String("version")).toString();
    if (version.isEmpty())
        return QStringLiteral("%1 names no version of the shell")
            .arg(storage.filePath("kelvo.info"));
    QStringList paths{QStringLiteral("qmk.dat")};
    for (const char* key : {"download-url", "download-dll", "extension-dll", "extension2-dll"})
        paths << description.value(QLatin1String(key)).toString();
    return signFolder(storage.path(), {Manifest::UPDATE, QStringLiteral("qmk"), version, {}, {}},
                      paths, SignatureFile::UPDATE_FILE_NAME, privatePem);
}

} // namespace

QString makeKeys(const QString& privatePath, const QString& publicPath)
{
    if (QFileInfo::exists(privatePath))
        return QStringLiteral("%1 exists already; a private key is never overwritten")
            .arg(privatePath);
    QString error;
    const Ed25519::KeyPair pair = Ed25519::generate(&error);
    if (!error.isEmpty())
        return error;
    QFile privateFile(privatePath);
    if (!privateFile.open(QIODevice::NewOnly | QIODevice::WriteOnly,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        privateFile.write(pair.privatePem) != pair.privatePem.size() || !privateFile.flush())
        return QStringLiteral("cannot write %1: %2").arg(privatePath, privateFile.errorString());
    return writeFile(publicPath, pair.publicKey.toBase64() + '\n');
}

QString readPrivateKey(const QString& path, QByteArray* privatePem)
{
    if (path.isEmpty())
        return QStringLiteral("no private key given (--key)");
    return readFile(path, privatePem);
}

QString signFolder(const QString& folder, const Manifest& release, const QStringList& paths,
                   const QString& outputName, const QByteArray& privatePem)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return QStringLiteral("no folder \"%1\" to sign").arg(folder);
    Manifest manifest = release;
    manifest.files.clear();
    for (const QString& path : paths.isEmpty() ? allFiles(dir) : paths) {
        QByteArray content;
        const QString error = readFile(dir.filePath(path), &content);
        if (!error.isEmpty())
            return error;
        manifest.files.append(Manifest::describe(path, content));
    }
    // The manifest is read back as the shell reads it, so that no folder is signed that the
    // shell would refuse.
    QString error;
    if (Manifest::fromJson(manifest.toJson(), &error).scope.isEmpty())
        return QStringLiteral("%1: %2").arg(folder, error);
    const SignatureFile file = SignatureFile::sign(manifest, privatePem, &error);
    return error.isEmpty() ? writeFile(dir.filePath(outputName), file.toJson()) : error;
}

QString signStorage(const QString& storage, const QByteArray& privatePem)
{
    const QDir root(storage);
    if (storage.isEmpty() || !root.exists(QStringLiteral("plugins.info")))
        return QStringLiteral("\"%1\" is no storage folder (no plugins.info)").arg(storage);
    static const QRegularExpression versionFolder(QStringLiteral("^(.+)_([a-z]+)$"));
    const auto sign = [&](const QString& folder, const Manifest& release) {
        return signFolder(root.filePath(folder), release, {}, SignatureFile::FILE_NAME, privatePem);
    };
    QString error;
    if (root.exists(QStringLiteral("translations")))
        error = sign(QStringLiteral("translations"),
                     {Manifest::TRANSLATIONS, QStringLiteral("qmk"), {}, {}, {}});
    for (const QString& name : subfolders(storage)) {
        for (const QString& folder : subfolders(root.filePath(name))) {
            if (!error.isEmpty())
                return error;
            const QRegularExpressionMatch match = versionFolder.match(folder);
            const QString path = name + QLatin1Char('/') + folder;
            if (folder == QLatin1String("translations") || folder == QLatin1String("firmwares") ||
                folder == QLatin1String("assembly_instructions"))
                error = sign(path, {folder, name, {}, {}, {}});
            else if (match.hasMatch() &&
                     QFileInfo::exists(root.filePath(path + "/" + name + ".info")))
                error = sign(path, {Manifest::PLUGIN,
                                    name,
                                    match.captured(1).replace(QLatin1Char('_'), QLatin1Char('.')),
                                    match.captured(2),
                                    {}});
        }
    }
    return error.isEmpty() ? signUpdate(root, privatePem) : error;
}

} // namespace Signer
