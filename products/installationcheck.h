#pragma once

#include "product.h"

struct CatalogueEntry;
class InfoFileIndex;

// Derives a new product's installation state from the info files that installation leaves
// on disk.
namespace InstallationCheck {

// The entry's own info file marks the product installed when its release date, appId and
// state match the entry and its state word is allowed in `channel`.
void applyInstalledFile(const CatalogueEntry& entry, const InfoFileIndex& index,
                        Product::ReleaseState channel, Product& product);

// Any info file of the same plug-in and state with a lower version or an earlier release
// date makes the product updateable.
void applyOlderFiles(const CatalogueEntry& entry, const InfoFileIndex& index, Product& product);

} // namespace InstallationCheck
