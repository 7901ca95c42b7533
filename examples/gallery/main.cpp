#include "controllerstandin.h"
#include "gallerybackend.h"
#include "theme.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlPropertyMap>
#include <QQuickStyle>

namespace {

void publishTheme(QQmlContext* context, const Theme& theme)
{
    context->setContextProperty(QStringLiteral("sizes"), theme.sizes());
    context->setContextProperty(QStringLiteral("fonts"), theme.fonts());
    context->setContextProperty(QStringLiteral("margin"), theme.margin());
    context->setContextProperty(QStringLiteral("radii"), theme.radii());
    context->setContextProperty(QStringLiteral("animDuration"), theme.animDuration());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gallery of the common controls"));
    parser.addHelpOption();
    const QCommandLineOption dark(QStringLiteral("dark"),
                                  QStringLiteral("Start in the dark palette."));
    const QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Page to show first."),
                                  QStringLiteral("index"), QStringLiteral("0"));
    parser.addOptions({dark, page});
    parser.process(application);

    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlContext* context = engine.rootContext();

    const Theme theme;
    publishTheme(context, theme);
    ControllerStandIn controller;
    context->setContextProperty(QStringLiteral("kelvo"), &controller);
    context->setContextProperty(QStringLiteral("plugin"), QVariant::fromValue<QObject*>(nullptr));
    GalleryBackend backend(context, parser.isSet(dark), parser.value(page).toInt());
    context->setContextProperty(QStringLiteral("gallery"), &backend);

    engine.load(QUrl(QStringLiteral("qrc:/gallery/Gallery.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return application.exec();
}
