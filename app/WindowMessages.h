#ifndef PCIZ_APP_WINDOW_MESSAGES_H
#define PCIZ_APP_WINDOW_MESSAGES_H

// The messages the windows, their controls and the editor's bus thread exchange. A device
// selection has no code of its own: its code is the device's index in the device table.

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
    // The editor's page control: show another page of an extended space. Field: page.
    kPageChosen = FourCharCode("PAGE"),
    // Editor to its bus thread: read a page. Fields: bus, device, function, page, serial.
    kReadPage = FourCharCode("RDPG"),
    // Editor to its bus thread: write a byte, then read its page again. Fields: bus, device,
    // function, page, serial, ID (the offset in the whole space), DAtA, and before (the page
    // as the grid showed it; without it the page is read before the write) and undo.
    kWriteByte = FourCharCode("WRBY"),
    // Editor to its bus thread: read the whole space of a function, for what its bytes mean.
    // Fields: bus, device, function, serial.
    kReadSpace = FourCharCode("RDSP"),
    // The bus thread to the editor: the whole space as read. Fields: bus, device, function,
    // serial, bytes, size.
    kSpaceBytes = FourCharCode("SPAC"),
    // The editor's context menu: go to a structure's first byte. Field: ID.
    kGoToOffset = FourCharCode("GOTO"),
    // The editor's context menu and Ctrl+J: open the window of writes, or raise it.
    kShowWrites = FourCharCode("WRTS"),
    // The write journal to its window: a write was added.
    kJournalChanged = FourCharCode("JRNL"),
    // The window of writes: undo the writes chosen, copy them as setpci commands, save them.
    kUndoChosen = FourCharCode("UNDC"),
    kCopySetpci = FourCharCode("CPSP"),
    kSaveScript = FourCharCode("SVSC"),
    // The window of writes to the editor: put a byte back. Fields: bus, device, function, ID,
    // DAtA. The editor answers kUndoRefused while it is locked.
    kUndoWrite = FourCharCode("UNDO"),
    kUndoRefused = FourCharCode("UNRF"),
    // The bus thread to the editor: the bytes of a page as read. Fields: bus, device,
    // function, page, serial, bytes, size, domain, real bus; after a write also ID, DAtA,
    // before and undo.
    kPageBytes = FourCharCode("BYTS"),
    // To the editor, a while after a request: if bytes asked for have not come yet, say it is
    // reading.
    kStillReading = FourCharCode("SLOW"),
};

// Int8 fields of the editor address message and the write request, each an unsigned byte.
inline constexpr const char kBusField[] = "bus";
inline constexpr const char kDeviceField[] = "device";
inline constexpr const char kFunctionField[] = "function";
// Int32: the configuration-space offset of the cell, 0 to 255 on the first page, and past
// that on the pages of an extended space.
inline constexpr const char kOffsetField[] = "ID";
// Int8: the byte to write.
inline constexpr const char kDataField[] = "DAtA";
// Int32: a page of 256 bytes, 0 to 15.
inline constexpr const char kPageField[] = "page";
// Int32: which request of the editor a reply answers; later requests have larger ones.
inline constexpr const char kSerialField[] = "serial";
// B_RAW_TYPE: the 256 bytes of a page, or the whole space, as read one at a time.
inline constexpr const char kBytesField[] = "bytes";
// B_RAW_TYPE: the 256 bytes of a page as they were before a write.
inline constexpr const char kBeforeField[] = "before";
// Bool as Int8: the write puts back an earlier byte.
inline constexpr const char kUndoField[] = "undo";
// Int32: the size of the function's configuration space, 256 or 4096.
inline constexpr const char kSizeField[] = "size";
// Int32 and Int8: the PCI domain and bus number where the function really sits.
inline constexpr const char kDomainField[] = "domain";
inline constexpr const char kRealBusField[] = "real bus";

#endif
