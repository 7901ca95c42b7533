#include "typeregistration.h"

#include "bundlemanager.h"
#include "message.h"
#include "product.h"
#include "productmanager.h"
#include "xevents.h"

#include <QMetaType>
#include <QtQml>

namespace TypeRegistration {

void registerTypes()
{
    qRegisterMetaType<XEvents::ProcessTypes>("XEvents::ProcessTypes");
    qRegisterMetaType<XEvents::MessageTypes>("XEvents::MessageTypes");
    qRegisterMetaType<XEvents::MessageActionTypes>("XEvents::MessageActionTypes");
    qRegisterMetaType<XEvents::UiStatus>("XEvents::UiStatus");
    qmlRegisterType<XEvents>("XEvents", 1, 0, "Events");

    qRegisterMetaType<BundleManager::UpdateErrors>("UpdateErrors");
    qmlRegisterUncreatableType<BundleManager>("UpdateErrors", 1, 0, "UpdateErrors",
                                              QStringLiteral("UpdateErrors only holds values"));

    qRegisterMetaType<ProductManager::ErrorType>("ErrorType");
    qmlRegisterUncreatableType<ProductManager>("ErrorType", 1, 0, "ErrorType",
                                               QStringLiteral("ErrorType only holds values"));

    qRegisterMetaType<Product::ReleaseState>("Product::ReleaseState");
    qmlRegisterType<Product>("ReleaseState", 1, 0, "ReleaseState");
    qRegisterMetaType<Product::InstallationState>("Product::InstallationState");
    qmlRegisterType<Product>("InstallationState", 1, 0, "InstallationState");

    qRegisterMetaType<Message::MessageFlags>("MessageFlags");
    qmlRegisterType<Message>("MessageFlags", 1, 0, "MessageFlags");
}

} // namespace TypeRegistration
