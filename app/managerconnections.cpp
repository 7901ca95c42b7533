#include "managerconnections.h"

#include "bundlemanager.h"
#include "productmanager.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcManagers, "quillmark.managers")

namespace ManagerConnections {

void connectFailureSignals(ProductManager* productManager)
{
    QObject::connect(productManager, &ProductManager::downloadFailed, productManager,
                     [](const QString& errorString) { qCWarning(lcManagers) << errorString; });
    QObject::connect(productManager, &ProductManager::errorOccured, productManager,
                     [](int appId, ProductManager::ErrorType error) {
                         qCWarning(lcManagers) << "unusable reply for plug-in" << appId << error;
                     });
}

void connectFailureSignals(BundleManager* bundleManager)
{
    QObject::connect(bundleManager, &BundleManager::downloadFailed, bundleManager,
                     [](const QString& errorString) { qCWarning(lcManagers) << errorString; });
    QObject::connect(bundleManager, &BundleManager::errorOccured, bundleManager,
                     [](int appId, BundleManager::UpdateErrors error) {
                         qCWarning(lcManagers) << "self-update of" << appId << "failed:" << error;
                     });
}

} // namespace ManagerConnections
