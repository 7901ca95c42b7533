#include "managerconnections.h"

#include "productmanager.h"
#include "translator.h"

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
    QObject::connect(productManager, &ProductManager::catalogueEntryRejected, productManager,
                     [](const QString& reason) { qCWarning(lcManagers) << reason; });
    QObject::connect(productManager, &ProductManager::additionalFileRejected, productManager,
                     [](const QString& reason) { qCWarning(lcManagers) << reason; });
}

void connectFailureSignals(Translator* translator)
{
    QObject::connect(translator, &Translator::downloadFailed, translator,
                     [](const QString& errorString) { qCWarning(lcManagers) << errorString; });
}

} // namespace ManagerConnections
