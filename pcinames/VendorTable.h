#ifndef PCIZ_PCINAMES_VENDOR_TABLE_H
#define PCIZ_PCINAMES_VENDOR_TABLE_H

// Names of the hardware makers behind 16-bit PCI vendor IDs.

#include <SupportDefs.h>

// Number of table entries; FindVendor returns it for an ID that has no name.
inline constexpr int32 kVendorCount = 67;

// Index of the first entry holding id, in stored order, or kVendorCount.
int32 FindVendor(uint32 id);

// Name of the entry at index, or "" for an index outside the table, so that
// VendorName(FindVendor(id)) is always safe and empty for an unknown ID.
const char* VendorName(int32 index);

#endif
