// Installs the offered update of plug-in 5 from the server named by QUILLMARK_SERVER_URL
// into the data folder of the test environment it inherits, then exits: 0 when installed,
// 1 when the download failed. The interrupted-download test kills it mid-transfer.
#include "globals.h"
#include "productmanager.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(Globals::ORGANISATION_NAME);
    QCoreApplication::setApplicationName(Globals::APPLICATION_NAME);

    ProductManager* manager = ProductManager::instance();
    QObject::connect(manager, &ProductManager::downloadFinished, &application,
                     [] { QCoreApplication::exit(0); });
    QObject::connect(manager, &ProductManager::downloadFailed, &application,
                     [](const QString& reason) {
                         std::fprintf(stderr, "%s\n", qUtf8Printable(reason));
                         QCoreApplication::exit(1);
                     });
    manager->loadPlugins(true);
    manager->downloadPlugin(5, true);
    return QCoreApplication::exec();
}
