#ifndef PCIZ_PCI_REGMAP_CAPABILITY_WALK_H
#define PCIZ_PCI_REGMAP_CAPABILITY_WALK_H

#include "ConfigBytes.h"
#include "RegisterMap.h"

#include <vector>

// Appends to found the capabilities of both chains, each in chain order, with kind, ID,
// offset and readability; names and extents are the tables' business. The standard
// chain starts at pointerOffset, the header layout's capabilities pointer (0: it has none).
void WalkCapabilities(const ConfigBytes& bytes, int32 pointerOffset,
                      std::vector<RegisterMap::Structure>& found);

#endif
