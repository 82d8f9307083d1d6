#ifndef PCIZ_APP_WINDOW_MESSAGES_H
#define PCIZ_APP_WINDOW_MESSAGES_H

// The messages the two windows and their controls exchange. A device selection has no code of
// its own: its code is the device's index in the device table.

#include <SupportDefs.h>

enum : uint32 {
    // The device window's "Edit" button.
    kEditRequest = static_cast<uint32>(-99),
    // Device window to editor: show another function. Fields: bus, device, function.
    kEditorAddress = static_cast<uint32>(-98),
    // The editor's "Read Only" box: flip the lock of every cell.
    kReadOnlyToggle = FourCharCode("cbox"),
    // A cell to the editor: write one byte. Fields: ID, DAtA, and bus, device, function naming
    // the function the byte was typed for.
    kWriteRequest = FourCharCode("RITE"),
};

// Int8 fields of the editor address message and the write request, each an unsigned byte.
inline constexpr const char kBusField[] = "bus";
inline constexpr const char kDeviceField[] = "device";
inline constexpr const char kFunctionField[] = "function";
// Int32: the configuration-space offset of the cell, 0 to 255.
inline constexpr const char kOffsetField[] = "ID";
// Int8: the byte to write.
inline constexpr const char kDataField[] = "DAtA";

#endif
