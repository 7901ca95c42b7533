#pragma once

class BundleManager;
class Colors;
class FileDialogService;
class Kelvo;
class ProductManager;
class QQmlContext;
class Theme;
class Translator;

namespace ContextProperties {

struct Values
{
    Theme* theme = nullptr;
    Kelvo* kelvo = nullptr;
    Translator* translator = nullptr;
    Colors* globalColors = nullptr;
    BundleManager* bundleManager = nullptr;
    ProductManager* productManager = nullptr;
    bool showTooltips = true;
    bool showUpdateHint = true;
    FileDialogService* fileDialogService = nullptr;
};

// Publishes the shell's constants and managers to the screens, in the order the screens
// were written against. The controller publishes `messageModel` before.
void publish(QQmlContext* context, const Values& values);

} // namespace ContextProperties
