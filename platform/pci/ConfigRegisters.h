#ifndef PCIZ_PCI_CONFIG_REGISTERS_H
#define PCIZ_PCI_CONFIG_REGISTERS_H

// Offsets and bits of the standard configuration header.

#include "PCI.h"

namespace config {

constexpr int32 kSpaceSize = 256;
constexpr int32 kHeaderSize = 64;

// Common to every layout.
constexpr int32 kVendorId = 0x00;
constexpr int32 kDeviceId = 0x02;
constexpr int32 kCommand = 0x04;
constexpr int32 kStatus = 0x06;
constexpr int32 kRevision = 0x08;
constexpr int32 kClassApi = 0x09;
constexpr int32 kClassSub = 0x0A;
constexpr int32 kClassBase = 0x0B;
constexpr int32 kLineSize = 0x0C;
constexpr int32 kLatency = 0x0D;
constexpr int32 kHeaderType = 0x0E;
constexpr int32 kBist = 0x0F;
constexpr int32 kBaseRegisters = 0x10;
constexpr int32 kInterruptLine = 0x3C;
constexpr int32 kInterruptPin = 0x3D;

// Header type 0.
constexpr int32 kCardbusCis = 0x28;
constexpr int32 kSubsystemVendorId = 0x2C;
constexpr int32 kSubsystemId = 0x2E;
constexpr int32 kRom = 0x30;
constexpr int32 kMinGrant = 0x3E;
constexpr int32 kMaxLatency = 0x3F;

// Header type 1.
constexpr int32 kPrimaryBus = 0x18;
constexpr int32 kSecondaryBus = 0x19;
constexpr int32 kSubordinateBus = 0x1A;
constexpr int32 kSecondaryLatency = 0x1B;
constexpr int32 kIoBase = 0x1C;
constexpr int32 kIoLimit = 0x1D;
constexpr int32 kSecondaryStatus = 0x1E;
constexpr int32 kMemoryBase = 0x20;
constexpr int32 kMemoryLimit = 0x22;
constexpr int32 kPrefetchableBase = 0x24;
constexpr int32 kPrefetchableLimit = 0x26;
constexpr int32 kPrefetchableBaseUpper32 = 0x28;
constexpr int32 kPrefetchableLimitUpper32 = 0x2C;
constexpr int32 kIoBaseUpper16 = 0x30;
constexpr int32 kIoLimitUpper16 = 0x32;
constexpr int32 kBridgeRom = 0x38;
constexpr int32 kBridgeControl = 0x3E;

// The header type's low 7 bits choose the layout; bit 7 marks a multi-function device.
constexpr uint8 kLayoutMask = PCI_header_type_mask;
constexpr uint8 kMultiFunction = PCI_multifunction;
constexpr uint8 kGeneralLayout = PCI_header_type_generic;
constexpr uint8 kBridgeLayout = 1;
constexpr uint8 kCardbusLayout = 2;

constexpr int kGeneralBarCount = 6;
constexpr int kBridgeBarCount = 2;

// Base address registers.
constexpr uint32 kBarIoSpace = 0x1;
constexpr uint32 kBarIoFlags = 0x3;
constexpr uint32 kBarMemoryFlags = 0xF;
constexpr uint32 kBarMemoryTypeMask = 0x6;
constexpr uint32 kBarMemory64 = 0x4;
constexpr uint32 kBarPrefetchable = 0x8;
constexpr uint32 kRomAddressMask = 0xFFFFF800;
constexpr uint32 kRomEnable = 0x1;

// Status bits that hardware sets on errors and software clears by writing 1.
constexpr uint16 kStatusErrorBits = 0xF900;

}  // namespace config

#endif
