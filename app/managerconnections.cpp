#include "managerconnections.h"

#include "bundlemanager.h"
#include "kelvo.h"
#include "productmanager.h"
#include "translator.h"

namespace ManagerConnections {

void connectToController(Kelvo* kelvo, ProductManager* productManager, BundleManager* bundleManager,
                         Translator* translator)
{
    QObject::connect(bundleManager, &BundleManager::updateStatus, kelvo,
                     &Kelvo::statusUpdateReceived, Qt::UniqueConnection);
    QObject::connect(bundleManager, &BundleManager::kelvoDetailsReceived, kelvo,
                     &Kelvo::receiveKelvoDetails, Qt::UniqueConnection);
    QObject::connect(bundleManager, &BundleManager::downloadFailed, kelvo,
                     &Kelvo::downloadFailureOccured, Qt::UniqueConnection);
    QObject::connect(productManager, &ProductManager::downloadFinished, kelvo,
                     &Kelvo::showSplashScreen, Qt::UniqueConnection);
    QObject::connect(productManager, &ProductManager::downloadFailed, kelvo,
                     &Kelvo::downloadFailureOccured, Qt::UniqueConnection);
    QObject::connect(translator, &Translator::downloadFailed, kelvo, &Kelvo::downloadFailureOccured,
                     Qt::UniqueConnection);
    // Names from the server that cannot become file names are skipped; the user learns why.
    const auto reportRejection = [kelvo](const QString& reason) {
        kelvo->statusUpdateReceived(reason, XEvents::STATUS_ERROR_MESSAGE);
    };
    QObject::connect(productManager, &ProductManager::catalogueEntryRejected, kelvo,
                     reportRejection);
    QObject::connect(productManager, &ProductManager::additionalFileRejected, kelvo,
                     reportRejection);
}

} // namespace ManagerConnections
