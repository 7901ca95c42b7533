#include "metadata.h"

#include <QQmlContext>

namespace Metadata {

void publish(QQmlContext* context)
{
    context->setContextProperty(QStringLiteral("buildnumber"), BUILD_NUMBER);
    context->setContextProperty(QStringLiteral("builddate"), BUILD_DATE);
    context->setContextProperty(QStringLiteral("versionnumber"), VERSION_NUMBER);
    context->setContextProperty(QStringLiteral("appName"), DISPLAY_NAME);
    context->setContextProperty(QStringLiteral("copyright"), COPYRIGHT);
    context->setContextProperty(QStringLiteral("companyfullname"), COMPANY_FULL_NAME);
}

} // namespace Metadata
