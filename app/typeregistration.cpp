#include "typeregistration.h"

#include "bundlemanager.h"
#include "commonstrings.h"
#include "kelvostrings.h"
#include "product.h"
#include "productmanager.h"
#include "translator.h"
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

    qRegisterMetaType<Translator::Type>("TranslatorType");
    qmlRegisterUncreatableType<Translator>("Translator", 1, 0, "Translator",
                                           QStringLiteral("Translator only holds values"));
    qRegisterMetaType<BundleManager::UpdateErrors>("UpdateErrors");
    qmlRegisterUncreatableType<BundleManager>("UpdateErrors", 1, 0, "UpdateErrors",
                                              QStringLiteral("UpdateErrors only holds values"));

    qRegisterMetaType<ProductManager::ErrorType>("ErrorType");
    qmlRegisterUncreatableType<ProductManager>("ErrorType", 1, 0, "ErrorType",
                                               QStringLiteral("ErrorType only holds values"));

    qRegisterMetaType<KelvoStrings::Keys>("KelvoStrings::Keys");
    qmlRegisterType<KelvoStrings>("KelvoStringKeys", 1, 0, "KelvoStringKeys");
    qRegisterMetaType<CommonStrings::Keys>("CommonStrings::Keys");
    qmlRegisterType<CommonStrings>("CommonStringKeys", 1, 0, "CommonStringKeys");

    qRegisterMetaType<Product::ReleaseState>("Product::ReleaseState");
    qmlRegisterType<Product>("ReleaseState", 1, 0, "ReleaseState");
    qRegisterMetaType<Product::InstallationState>("Product::InstallationState");
    qmlRegisterType<Product>("InstallationState", 1, 0, "InstallationState");
}

} // namespace TypeRegistration
