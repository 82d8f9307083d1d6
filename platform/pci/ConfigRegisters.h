#ifndef PCIZ_PCI_CONFIG_REGISTERS_H
#define PCIZ_PCI_CONFIG_REGISTERS_H

// Offsets and bits of the standard configuration header, under names of our own; the numbers
// are the kernel's, so they are written in one place only.

#include "PCI.h"

#include <linux/pci_regs.h>

namespace config {

// The standard space every function has, and the whole space of a PCI Express function,
// whose extended capabilities start right after the standard space.
constexpr int32 kSpaceSize = PCI_CFG_SPACE_SIZE;
constexpr int32 kExtendedSpaceSize = PCI_CFG_SPACE_EXP_SIZE;
constexpr int32 kHeaderSize = PCI_STD_HEADER_SIZEOF;

// Common to every layout.
constexpr int32 kVendorId = PCI_VENDOR_ID;
constexpr int32 kDeviceId = PCI_DEVICE_ID;
constexpr int32 kCommand = PCI_COMMAND;
constexpr int32 kStatus = PCI_STATUS;
constexpr int32 kRevision = PCI_REVISION_ID;
constexpr int32 kClassApi = PCI_CLASS_PROG;
constexpr int32 kClassSub = PCI_CLASS_DEVICE;
constexpr int32 kClassBase = PCI_CLASS_DEVICE + 1;
constexpr int32 kLineSize = PCI_CACHE_LINE_SIZE;
constexpr int32 kLatency = PCI_LATENCY_TIMER;
constexpr int32 kHeaderType = PCI_HEADER_TYPE;
constexpr int32 kBist = PCI_BIST;
constexpr int32 kBaseRegisters = PCI_BASE_ADDRESS_0;
constexpr int32 kInterruptLine = PCI_INTERRUPT_LINE;
constexpr int32 kInterruptPin = PCI_INTERRUPT_PIN;

// Header type 0.
constexpr int32 kCardbusCis = PCI_CARDBUS_CIS;
constexpr int32 kSubsystemVendorId = PCI_SUBSYSTEM_VENDOR_ID;
constexpr int32 kSubsystemId = PCI_SUBSYSTEM_ID;
constexpr int32 kRom = PCI_ROM_ADDRESS;
constexpr int32 kMinGrant = PCI_MIN_GNT;
constexpr int32 kMaxLatency = PCI_MAX_LAT;

// Header type 1.
constexpr int32 kPrimaryBus = PCI_PRIMARY_BUS;
constexpr int32 kSecondaryBus = PCI_SECONDARY_BUS;
constexpr int32 kSubordinateBus = PCI_SUBORDINATE_BUS;
constexpr int32 kSecondaryLatency = PCI_SEC_LATENCY_TIMER;
constexpr int32 kIoBase = PCI_IO_BASE;
constexpr int32 kIoLimit = PCI_IO_LIMIT;
constexpr int32 kSecondaryStatus = PCI_SEC_STATUS;
constexpr int32 kMemoryBase = PCI_MEMORY_BASE;
constexpr int32 kMemoryLimit = PCI_MEMORY_LIMIT;
constexpr int32 kPrefetchableBase = PCI_PREF_MEMORY_BASE;
constexpr int32 kPrefetchableLimit = PCI_PREF_MEMORY_LIMIT;
constexpr int32 kPrefetchableBaseUpper32 = PCI_PREF_BASE_UPPER32;
constexpr int32 kPrefetchableLimitUpper32 = PCI_PREF_LIMIT_UPPER32;
constexpr int32 kIoBaseUpper16 = PCI_IO_BASE_UPPER16;
constexpr int32 kIoLimitUpper16 = PCI_IO_LIMIT_UPPER16;
constexpr int32 kBridgeRom = PCI_ROM_ADDRESS1;
constexpr int32 kBridgeControl = PCI_BRIDGE_CONTROL;

// The header type's low 7 bits choose the layout; bit 7 marks a multi-function device.
constexpr uint8 kLayoutMask = PCI_header_type_mask;
constexpr uint8 kMultiFunction = PCI_multifunction;
constexpr uint8 kGeneralLayout = PCI_header_type_generic;
constexpr uint8 kBridgeLayout = PCI_HEADER_TYPE_BRIDGE;
constexpr uint8 kCardbusLayout = PCI_HEADER_TYPE_CARDBUS;
static_assert(kLayoutMask == PCI_HEADER_TYPE_MASK && kGeneralLayout == PCI_HEADER_TYPE_NORMAL);

constexpr int kGeneralBarCount = 6;
constexpr int kBridgeBarCount = 2;

// Base address registers.
constexpr uint32 kBarIoSpace = PCI_BASE_ADDRESS_SPACE_IO;
constexpr uint32 kBarIoFlags = uint32(~PCI_BASE_ADDRESS_IO_MASK);
constexpr uint32 kBarMemoryFlags = uint32(~PCI_BASE_ADDRESS_MEM_MASK);
constexpr uint32 kBarMemoryTypeMask = PCI_BASE_ADDRESS_MEM_TYPE_MASK;
constexpr uint32 kBarMemory64 = PCI_BASE_ADDRESS_MEM_TYPE_64;
constexpr uint32 kBarPrefetchable = PCI_BASE_ADDRESS_MEM_PREFETCH;
constexpr uint32 kRomAddressMask = PCI_ROM_ADDRESS_MASK;
constexpr uint32 kRomEnable = PCI_ROM_ADDRESS_ENABLE;

// Status bits that hardware sets on errors and software clears by writing 1.
constexpr uint16 kStatusErrorBits = PCI_STATUS_PARITY | PCI_STATUS_SIG_TARGET_ABORT
                                    | PCI_STATUS_REC_TARGET_ABORT | PCI_STATUS_REC_MASTER_ABORT
                                    | PCI_STATUS_SIG_SYSTEM_ERROR | PCI_STATUS_DETECTED_PARITY;

} // namespace config

#endif
