#include "contextproperties.h"

#include "bundlemanager.h"
#include "colors.h"
#include "filedialogservice.h"
#include "globals.h"
#include "kelvo.h"
#include "metadata.h"
#include "productmanager.h"
#include "theme.h"
#include "translator.h"

#include <QQmlContext>
#include <QQmlPropertyMap>

namespace ContextProperties {

void publish(QQmlContext* context, const Values& values)
{
    Metadata::publish(context);
    context->setContextProperty(QStringLiteral("sizes"), values.theme->sizes());
    context->setContextProperty(QStringLiteral("fonts"), values.theme->fonts());
    context->setContextProperty(QStringLiteral("margin"), values.theme->margin());
    context->setContextProperty(QStringLiteral("radii"), values.theme->radii());
    context->setContextProperty(QStringLiteral("animDuration"), values.theme->animDuration());
    context->setContextProperty(QStringLiteral("kelvo"), values.kelvo);
    context->setContextProperty(QStringLiteral("plugin"), QVariant::fromValue<QObject*>(nullptr));
    context->setContextProperty(QStringLiteral("translator"), values.translator);
    context->setContextProperty(QStringLiteral("globalColors"), values.globalColors);
    context->setContextProperty(QStringLiteral("bundleManager"), values.bundleManager);
    context->setContextProperty(QStringLiteral("productManager"), values.productManager);
    context->setContextProperty(QStringLiteral("fileDialogService"), values.fileDialogService);
    context->setContextProperty(QStringLiteral("releaseState"),
                                static_cast<int>(values.productManager->currentReleaseState()));
    context->setContextProperty(QStringLiteral("showTooltips"), values.showTooltips);
    context->setContextProperty(QStringLiteral("showUpdateHint"), values.showUpdateHint);
    // The help page lies on the server in force (build setting or its override).
    context->setContextProperty(QStringLiteral("serverBaseUrl"), Globals::serverBaseUrl());
}

} // namespace ContextProperties
