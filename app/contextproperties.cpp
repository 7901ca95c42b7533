#include "contextproperties.h"

#include "globals.h"
#include "productmanager.h"
#include "translator.h"

#include <QQmlContext>

namespace ContextProperties {

void publish(QQmlContext* context, const Values& values)
{
    context->setContextProperty(QStringLiteral("buildnumber"), Globals::BUILD_NUMBER);
    context->setContextProperty(QStringLiteral("builddate"), Globals::BUILD_DATE);
    context->setContextProperty(QStringLiteral("versionnumber"), Globals::VERSION_NUMBER);
    context->setContextProperty(QStringLiteral("appName"), Globals::DISPLAY_NAME);
    context->setContextProperty(QStringLiteral("copyright"), Globals::COPYRIGHT);
    context->setContextProperty(QStringLiteral("companyfullname"), Globals::COMPANY_FULL_NAME);
    context->setContextProperty(QStringLiteral("plugin"), QVariant::fromValue<QObject*>(nullptr));
    context->setContextProperty(QStringLiteral("translator"), values.translator);
    context->setContextProperty(QStringLiteral("productManager"), values.productManager);
    context->setContextProperty(QStringLiteral("releaseState"),
                                static_cast<int>(values.productManager->currentReleaseState()));
    context->setContextProperty(QStringLiteral("showTooltips"), values.showTooltips);
    context->setContextProperty(QStringLiteral("showUpdateHint"), values.showUpdateHint);
}

} // namespace ContextProperties
