#pragma once

class BundleManager;
class ProductManager;

// The managers' failure and status signals. Until the application controller takes them
// into the status log, they are written to the diagnostic output.
namespace ManagerConnections {

void connectFailureSignals(ProductManager* productManager);
void connectFailureSignals(BundleManager* bundleManager);

} // namespace ManagerConnections
