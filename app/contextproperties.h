#pragma once

class Colors;
class MessageFilterProxyModel;
class BundleManager;
class ProductManager;
class QQmlContext;
class Theme;

namespace ContextProperties {

struct Values
{
    MessageFilterProxyModel* messageModel = nullptr;
    Theme* theme = nullptr;
    Colors* globalColors = nullptr;
    ProductManager* productManager = nullptr;
    BundleManager* bundleManager = nullptr;
    bool showTooltips = true;
    bool showUpdateHint = true;
};

// Publishes the shell's constants and managers to the screens.
void publish(QQmlContext* context, const Values& values);

} // namespace ContextProperties
