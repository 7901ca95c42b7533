#pragma once

class BundleManager;
class Kelvo;
class ProductManager;
class Translator;

// The managers' status, failure and progress signals reach the controller, which writes them
// to the status log and hides the loading overlay.
namespace ManagerConnections {

void connectToController(Kelvo* kelvo, ProductManager* productManager, BundleManager* bundleManager,
                         Translator* translator);

} // namespace ManagerConnections
