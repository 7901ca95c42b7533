#include "manifest.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

constexpr int FORMAT = 1;
// JSON numbers are doubles: sizes above 2^53 would not round-trip.
constexpr qint64 LARGEST_SIZE = qint64(1) << 53;
constexpr int MOST_FILES = 10000;

// Text that shows as it is in a status line (nothing in it starts a line or hides itself) and
// survives the way to UTF-8 and back unchanged.
bool isCleanText(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.category() == QChar::Other_Format)
            return false;
    }
    return QString::fromUtf8(text.toUtf8()) == text;
}

// A relative path of plain components separated by "/": it can name nothing outside the
// folder that the manifest covers.
bool isRelativePath(const QString& path)
{
    if (path.isEmpty() || path.size() > 1024 || !isCleanText(path) ||
        path.contains(QLatin1Char('\\')))
        return false;
    for (const QString& part : path.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    }
    return true;
}

// A text field of the manifest; a field of another type fails.
bool readText(const QJsonObject& object, const char* key, QString* value)
{
    const QJsonValue field = object.value(QLatin1String(key));
    if (field.isUndefined()) {
        value->clear();
        return true;
    }
    *value = field.toString();
    return field.isString() && value->size() <= 256 && isCleanText(*value);
}

bool readEntry(const QJsonValue& value, Manifest::Entry* entry)
{
    const QJsonObject object = value.toObject();
    const QJsonValue size = object.value(QLatin1String("size"));
    const QByteArray digest = object.value(QLatin1String("sha256")).toString().toLatin1();
    const double bytes = size.toDouble(-1);
    entry->path = object.value(QLatin1String("path")).toString();
    // Checked as a double first: converting one out of range is undefined.
    if (!size.isDouble() || !(bytes >= 0 && bytes <= double(LARGEST_SIZE)))
        return false;
    entry->size = qint64(bytes);
    entry->sha256 = QByteArray::fromHex(digest);
    return isRelativePath(entry->path) && double(entry->size) == bytes && digest.size() == 64 &&
           entry->sha256.size() == 32 && entry->sha256.toHex() == digest.toLower();
}

} // namespace

Manifest::Entry Manifest::describe(const QString& path, const QByteArray& content)
{
    return {path, content.size(), QCryptographicHash::hash(content, QCryptographicHash::Sha256)};
}

Manifest Manifest::fromJson(const QByteArray& text, QString* error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    const QJsonObject object = document.object();
    Manifest manifest;
    if (!document.isObject()) {
        *error = QStringLiteral("the manifest is no JSON object");
        return {};
    }
    if (object.value(QLatin1String("format")).toInt() != FORMAT) {
        *error = QStringLiteral("the manifest has an unknown format");
        return {};
    }
    if (!readText(object, "scope", &manifest.scope) || !readText(object, "name", &manifest.name) ||
        !readText(object, "version", &manifest.version) ||
        !readText(object, "state", &manifest.state) || manifest.scope.isEmpty()) {
        *error = QStringLiteral("the manifest names no release");
        return {};
    }
    const QJsonValue files = object.value(QLatin1String("files"));
    if (!files.isArray() || files.toArray().size() > MOST_FILES) {
        *error = QStringLiteral("the manifest has no file list");
        return {};
    }
    QSet<QString> paths;
    for (const QJsonValue& value : files.toArray()) {
        Entry entry;
        if (!readEntry(value, &entry) || paths.contains(entry.path)) {
            *error = QStringLiteral("the manifest lists a file badly or twice");
            return {};
        }
        paths.insert(entry.path);
        manifest.files.append(entry);
    }
    return manifest;
}

QByteArray Manifest::toJson() const
{
    QJsonArray list;
    for (const Entry& entry : files)
        list.append(
            QJsonObject{{QStringLiteral("path"), entry.path},
                        {QStringLiteral("size"), double(entry.size)},
                        {QStringLiteral("sha256"), QString::fromLatin1(entry.sha256.toHex())}});
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), FORMAT},
                                     {QStringLiteral("scope"), scope},
                                     {QStringLiteral("name"), name},
                                     {QStringLiteral("version"), version},
                                     {QStringLiteral("state"), state},
                                     {QStringLiteral("files"), list}})
        .toJson(QJsonDocument::Indented);
}

const Manifest::Entry* Manifest::entry(const QString& path) const
{
    for (const Entry& candidate : files) {
        if (candidate.path == path)
            return &candidate;
    }
    return nullptr;
}

QString Manifest::checkFile(const QString& path, const QByteArray& content) const
{
    const Entry* listed = entry(path);
    if (!listed)
        return QStringLiteral("the signed manifest does not list it");
    if (listed->size != content.size())
        return QStringLiteral("it has %1 bytes, the signed manifest says %2")
            .arg(content.size())
            .arg(listed->size);
    if (QCryptographicHash::hash(content, QCryptographicHash::Sha256) != listed->sha256)
        return QStringLiteral("its SHA-256 digest differs from the signed one");
    return {};
}

QString Manifest::mismatch(const Manifest& expected) const
{
    const auto differs = [](const char* field, const QString& signedValue, const QString& wanted) {
        return QStringLiteral("the signature covers %1 \"%2\", not \"%3\"")
            .arg(QLatin1String(field), signedValue, wanted);
    };
    if (scope != expected.scope)
        return differs("scope", scope, expected.scope);
    if (name != expected.name)
        return differs("name", name, expected.name);
    if (!expected.version.isEmpty() && version != expected.version)
        return differs("version", version, expected.version);
    if (state != expected.state)
        return differs("state", state, expected.state);
    return {};
}
