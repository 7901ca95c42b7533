#include "storageserver.h"
#include "terminationsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

struct ServerOptions
{
    QString root;
    QHostAddress address;
    quint16 port = 0;
    bool quiet = false;
};

void printError(const QString& message)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << message << Qt::endl;
}

std::optional<ServerOptions> parseOptions(const QCoreApplication& application)
{
    QCommandLineParser parser;
    const QCommandLineOption root(QStringLiteral("root"),
                                  QStringLiteral("Folder to serve (required)."),
                                  QStringLiteral("folder"));
    const QCommandLineOption address(QStringLiteral("address"),
                                     QStringLiteral("Address to listen on."),
                                     QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port to listen on; 0 picks a free one."),
                                  QStringLiteral("port"), QString::number(QUILLMARK_DEMO_PORT));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Do not log the requests."));
    parser.setApplicationDescription(QStringLiteral("Serves a storage folder over HTTP."));
    parser.addHelpOption();
    parser.addOptions({root, address, port, quiet});
    parser.process(application);

    ServerOptions options;
    options.root = parser.value(root);
    options.quiet = parser.isSet(quiet);
    if (options.root.isEmpty() || !QFileInfo(options.root).isDir()) {
        printError(QStringLiteral("--root must name an existing folder"));
        return std::nullopt;
    }
    if (!options.address.setAddress(parser.value(address))) {
        printError(QStringLiteral("invalid address \"%1\"").arg(parser.value(address)));
        return std::nullopt;
    }
    bool valid = false;
    const uint portNumber = parser.value(port).toUInt(&valid);
    if (!valid || portNumber > 65535) {
        printError(QStringLiteral("invalid port \"%1\"").arg(parser.value(port)));
        return std::nullopt;
    }
    options.port = static_cast<quint16>(portNumber);
    return options;
}

QString urlOf(const QHostAddress& address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillmark-storage-server"));
    const std::optional<ServerOptions> options = parseOptions(application);
    if (!options)
        return 1;

    TerminationSignals terminationSignals;
    if (!terminationSignals.install()) {
        printError(QStringLiteral("cannot handle SIGINT and SIGTERM"));
        return 1;
    }
    StorageServer server(options->root);
    if (!server.listen(options->address, options->port)) {
        printError(QStringLiteral("cannot listen on %1: %2")
                       .arg(urlOf(options->address, options->port), server.errorString()));
        return 1;
    }

    QTextStream out(stdout);
    if (!options->quiet) {
        QObject::connect(
            &server, &StorageServer::requestServed, &application,
            [&out](const QString& method, const QString& path, int status, qint64 bytes) {
                out << StorageServer::logLine(method, path, status, bytes) << Qt::endl;
            });
    }
    QObject::connect(&terminationSignals, &TerminationSignals::received, &application, [&] {
        server.close();
        application.quit();
    });
    out << "listening on " << urlOf(server.serverAddress(), server.serverPort()) << Qt::endl;
    return application.exec();
}
