#include "fuzzsupport.h"

#include "globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {
namespace {

QTemporaryDir* home = nullptr;

} // namespace

void start(int* argc, char*** argv)
{
    home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/quillmark-fuzz-XXXXXX"));
    const QString path = home->path();
    qputenv("HOME", QFile::encodeName(path));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path + QStringLiteral("/.local/share")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(path + QStringLiteral("/.cache")));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    new QCoreApplication(*argc, *argv);
    QCoreApplication::setOrganizationName(Globals::ORGANISATION_NAME);
    QCoreApplication::setOrganizationDomain(Globals::ORGANISATION_DOMAIN);
    QCoreApplication::setApplicationName(Globals::APPLICATION_NAME);
    // The readers log every rejected input; at a million inputs a second that is all noise.
    qSetMessagePattern(QString());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::atexit([] { delete home; });
}

QString homeFolder()
{
    return home->path();
}

QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QJsonDocument json(const uint8_t* data, size_t size)
{
    return QJsonDocument::fromJson(bytes(data, size));
}

bool isBelowStorage(const QString& url)
{
    const QUrl storage(Globals::storageUrl());
    const QUrl target = QUrl(url, QUrl::TolerantMode).adjusted(QUrl::NormalizePathSegments);
    return target.isValid() && target.scheme() == storage.scheme() &&
           target.host() == storage.host() && target.port() == storage.port() &&
           target.path().startsWith(storage.path());
}

void fail(const char* condition, const QString& detail, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n  %s\n", file, line, condition,
                 qUtf8Printable(detail));
    std::abort();
}

} // namespace FuzzSupport
