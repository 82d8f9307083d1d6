#ifndef PCIZ_TESTS_STANDARD_MACHINE_FUNCTIONS_H
#define PCIZ_TESTS_STANDARD_MACHINE_FUNCTIONS_H

// The built-in machine's functions the tests go to: where each sits on its bus, and where the
// device menu lists it.

#include <PciAddress.h>
#include <SupportDefs.h>

inline constexpr PciAddress kHostBridge{0, 0, 0};
inline constexpr PciAddress kIde{0, 0x07, 1};
inline constexpr PciAddress kNic{0, 0x0B, 0};
inline constexpr PciAddress kExpress{0, 0x0E, 0};

inline constexpr int32 kHostBridgeIndex = 0;
inline constexpr int32 kAgpBridgeIndex = 1;
inline constexpr int32 kIdeIndex = 3;
inline constexpr int32 kUsbIndex = 4;
inline constexpr int32 kNicIndex = 6;
inline constexpr int32 kExpressIndex = 8;
inline constexpr int32 kDriveIndex = 10;

#endif
