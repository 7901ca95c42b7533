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
}

} // namespace ManagerConnections
