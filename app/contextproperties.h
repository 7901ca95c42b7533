#pragma once

class ProductManager;
class QQmlContext;
class Translator;

namespace ContextProperties {

struct Values
{
    ProductManager* productManager = nullptr;
    Translator* translator = nullptr;
    bool showTooltips = true;
    bool showUpdateHint = true;
};

// Publishes the shell's constants and managers to the screens.
void publish(QQmlContext* context, const Values& values);

} // namespace ContextProperties
