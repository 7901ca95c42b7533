#pragma once

class BundleManager;
class ProductManager;
class QQmlContext;

namespace ContextProperties {

struct Values
{
    ProductManager* productManager = nullptr;
    BundleManager* bundleManager = nullptr;
    bool showTooltips = true;
    bool showUpdateHint = true;
};

// Publishes the shell's constants and managers to the screens.
void publish(QQmlContext* context, const Values& values);

} // namespace ContextProperties
