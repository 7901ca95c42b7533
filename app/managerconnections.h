#pragma once

class BundleManager;
class ProductManager;
class Translator;

// The managers' failure and status signals. Until the application controller takes them
// into the status log, they are written to the diagnostic output.
namespace ManagerConnections {

void connectFailureSignals(ProductManager* productManager);
void connectFailureSignals(BundleManager* bundleManager);
void connectFailureSignals(Translator* translator);

} // namespace ManagerConnections
