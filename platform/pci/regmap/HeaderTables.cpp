// The configuration header: the registers every layout shares, then layouts 0, 1 and 2.

#include "RegisterTables.h"

#include <ConfigRegisters.h>

#include <linux/pci_regs.h>

using namespace tables;
using enum FieldFormat;

namespace {

// ---- Registers 0x00 to 0x0F ---------------------------------------------------------------

constexpr Field kCommand[] = {
    {PCI_COMMAND_IO, "I/O"},
    {PCI_COMMAND_MEMORY, "Mem"},
    {PCI_COMMAND_MASTER, "BusMaster"},
    {PCI_COMMAND_SPECIAL, "SpecCycle"},
    {PCI_COMMAND_INVALIDATE, "MemWINV"},
    {PCI_COMMAND_VGA_PALETTE, "VGASnoop"},
    {PCI_COMMAND_PARITY, "ParErr"},
    {PCI_COMMAND_WAIT, "Stepping"},
    {PCI_COMMAND_SERR, "SERR"},
    {PCI_COMMAND_FAST_BACK, "FastB2B"},
    {PCI_COMMAND_INTX_DISABLE, "DisINTx"},
};

constexpr const char* kDevsel[] = {"fast", "medium", "slow"};

// Hardware sets the error bits; software clears them by writing 1.
constexpr Field kStatus[] = {
    {PCI_STATUS_IMM_READY, "ImmReady"},
    {PCI_STATUS_INTERRUPT, "INTx"},
    {PCI_STATUS_CAP_LIST, "Cap"},
    {PCI_STATUS_66MHZ, "66MHz"},
    {PCI_STATUS_UDF, "UDF"},
    {PCI_STATUS_FAST_BACK, "FastB2B"},
    {PCI_STATUS_PARITY, "ParErr", RW1C},
    {.mask = PCI_STATUS_DEVSEL_MASK, .name = "DEVSEL", .words = kDevsel},
    {PCI_STATUS_SIG_TARGET_ABORT, ">TAbort", RW1C},
    {PCI_STATUS_REC_TARGET_ABORT, "<TAbort", RW1C},
    {PCI_STATUS_REC_MASTER_ABORT, "<MAbort", RW1C},
    {PCI_STATUS_SIG_SYSTEM_ERROR, ">SERR", RW1C},
    {PCI_STATUS_DETECTED_PARITY, "<PERR", RW1C},
};

constexpr const char* kLayoutNames[] = {"ordinary", "PCI-to-PCI bridge", "CardBus bridge"};

constexpr Field kHeaderType[] = {
    {.mask = PCI_HEADER_TYPE_MASK, .name = "Layout", .words = kLayoutNames},
    {config::kMultiFunction, "MultiFunc"},
};

constexpr Field kBist[] = {
    {PCI_BIST_CODE_MASK, "CompletionCode"},
    {PCI_BIST_START, "Start", RW},
    {PCI_BIST_CAPABLE, "Capable"},
};

constexpr Register kCommon[] = {
    {PCI_VENDOR_ID, 2, "Vendor ID", RO},
    {PCI_DEVICE_ID, 2, "Device ID", RO},
    {PCI_COMMAND, 2, "Command", RW, kCommand},
    {PCI_STATUS, 2, "Status", RO, kStatus},
    {PCI_REVISION_ID, 1, "Revision ID", RO},
    {PCI_CLASS_PROG, 1, "Programming Interface", RO},
    {PCI_CLASS_DEVICE, 1, "Subclass", RO},
    {PCI_CLASS_DEVICE + 1, 1, "Base Class", RO},
    {PCI_CACHE_LINE_SIZE, 1, "Cache Line Size", RW},
    {PCI_LATENCY_TIMER, 1, "Latency Timer", RW},
    {PCI_HEADER_TYPE, 1, "Header Type", RO, kHeaderType},
    {PCI_BIST, 1, "BIST", RO, kBist},
};

// ---- Registers more than one layout has ---------------------------------------------------

constexpr const char* kPins[] = {"none", "INTA", "INTB", "INTC", "INTD"};
constexpr Field kInterruptPin[] = {{.mask = 0xFF, .name = "Pin", .words = kPins}};

constexpr Field kRom[] = {
    {PCI_ROM_ADDRESS_ENABLE, "Enable", RW},
    {.mask = PCI_ROM_ADDRESS_MASK, .name = "Address", .access = RW, .format = Address},
};

// A bridge's secondary interface reports as the primary status does, but bit 14 says a system
// error was received rather than signalled.
constexpr Field kSecondaryStatus[] = {
    {PCI_STATUS_66MHZ, "66MHz"},
    {PCI_STATUS_UDF, "UDF"},
    {PCI_STATUS_FAST_BACK, "FastB2B"},
    {PCI_STATUS_PARITY, "ParErr", RW1C},
    {.mask = PCI_STATUS_DEVSEL_MASK, .name = "DEVSEL", .words = kDevsel},
    {PCI_STATUS_SIG_TARGET_ABORT, ">TAbort", RW1C},
    {PCI_STATUS_REC_TARGET_ABORT, "<TAbort", RW1C},
    {PCI_STATUS_REC_MASTER_ABORT, "<MAbort", RW1C},
    {PCI_STATUS_SIG_SYSTEM_ERROR, "<SERR", RW1C},
    {PCI_STATUS_DETECTED_PARITY, "<PERR", RW1C},
};

// ---- Layout 0: an ordinary function ----------------------------------------------------------

constexpr Register kOrdinary[] = {
    {PCI_BASE_ADDRESS_0, 4, "Base Address 0", RW},
    {PCI_BASE_ADDRESS_1, 4, "Base Address 1", RW},
    {PCI_BASE_ADDRESS_2, 4, "Base Address 2", RW},
    {PCI_BASE_ADDRESS_3, 4, "Base Address 3", RW},
    {PCI_BASE_ADDRESS_4, 4, "Base Address 4", RW},
    {PCI_BASE_ADDRESS_5, 4, "Base Address 5", RW},
    {PCI_CARDBUS_CIS, 4, "CardBus CIS Pointer", RO},
    {PCI_SUBSYSTEM_VENDOR_ID, 2, "Subsystem Vendor ID", RO},
    {PCI_SUBSYSTEM_ID, 2, "Subsystem ID", RO},
    {PCI_ROM_ADDRESS, 4, "Expansion ROM Base Address", RW, kRom},
    {PCI_CAPABILITY_LIST, 1, "Capabilities Pointer", RO},
    {PCI_CAPABILITY_LIST + 1, PCI_INTERRUPT_LINE - PCI_CAPABILITY_LIST - 1, "Reserved", Rsvd},
    {PCI_INTERRUPT_LINE, 1, "Interrupt Line", RW},
    {PCI_INTERRUPT_PIN, 1, "Interrupt Pin", RO, kInterruptPin},
    {PCI_MIN_GNT, 1, "Min_Gnt", RO},
    {PCI_MAX_LAT, 1, "Max_Lat", RO},
};

// ---- Layout 1: a PCI-to-PCI bridge -----------------------------------------------------------

constexpr const char* kRangeWidths[] = {"16-bit", "32-bit"};
constexpr const char* kPrefetchableWidths[] = {"32-bit", "64-bit"};

// The low bits of a window register say what it can decode; only the address bits take writes.
constexpr Field kIoWindow[] = {
    {.mask = PCI_IO_RANGE_TYPE_MASK, .name = "Width", .words = kRangeWidths},
    {.mask = 0xF0, .name = "Address", .access = RW, .format = Address},
};
constexpr Field kMemoryWindow[] = {
    {.mask = 0xFFF0, .name = "Address", .access = RW, .format = Address},
};
constexpr Field kPrefetchableWindow[] = {
    {.mask = PCI_PREF_RANGE_TYPE_MASK, .name = "Width", .words = kPrefetchableWidths},
    {.mask = 0xFFF0, .name = "Address", .access = RW, .format = Address},
};

// The header names the bridge control bits up to bit 7; the rest are the discard timers'.
constexpr uint32 kBridgeVga16 = 0x0010;
constexpr uint32 kPrimaryDiscardTimer = 0x0100;
constexpr uint32 kSecondaryDiscardTimer = 0x0200;
constexpr uint32 kDiscardTimerStatus = 0x0400;
constexpr uint32 kDiscardTimerSerr = 0x0800;

constexpr Field kBridgeControl[] = {
    {PCI_BRIDGE_CTL_PARITY, "Parity"},
    {PCI_BRIDGE_CTL_SERR, "SERR"},
    {PCI_BRIDGE_CTL_ISA, "NoISA"},
    {PCI_BRIDGE_CTL_VGA, "VGA"},
    {kBridgeVga16, "VGA16"},
    {PCI_BRIDGE_CTL_MASTER_ABORT, "MAbort"},
    {PCI_BRIDGE_CTL_BUS_RESET, ">Reset"},
    {PCI_BRIDGE_CTL_FAST_BACK, "FastB2B"},
    {kPrimaryDiscardTimer, "PriDiscTmr"},
    {kSecondaryDiscardTimer, "SecDiscTmr"},
    {kDiscardTimerStatus, "DiscTmrStat", RW1C},
    {kDiscardTimerSerr, "DiscTmrSERREn"},
};

constexpr Register kBridge[] = {
    {PCI_BASE_ADDRESS_0, 4, "Base Address 0", RW},
    {PCI_BASE_ADDRESS_1, 4, "Base Address 1", RW},
    {PCI_PRIMARY_BUS, 1, "Primary Bus Number", RW},
    {PCI_SECONDARY_BUS, 1, "Secondary Bus Number", RW},
    {PCI_SUBORDINATE_BUS, 1, "Subordinate Bus Number", RW},
    {PCI_SEC_LATENCY_TIMER, 1, "Secondary Latency Timer", RW},
    {PCI_IO_BASE, 1, "I/O Base", RO, kIoWindow},
    {PCI_IO_LIMIT, 1, "I/O Limit", RO, kIoWindow},
    {PCI_SEC_STATUS, 2, "Secondary Status", RO, kSecondaryStatus},
    {PCI_MEMORY_BASE, 2, "Memory Base", RO, kMemoryWindow},
    {PCI_MEMORY_LIMIT, 2, "Memory Limit", RO, kMemoryWindow},
    {PCI_PREF_MEMORY_BASE, 2, "Prefetchable Memory Base", RO, kPrefetchableWindow},
    {PCI_PREF_MEMORY_LIMIT, 2, "Prefetchable Memory Limit", RO, kPrefetchableWindow},
    {PCI_PREF_BASE_UPPER32, 4, "Prefetchable Base Upper 32 Bits", RW},
    {PCI_PREF_LIMIT_UPPER32, 4, "Prefetchable Limit Upper 32 Bits", RW},
    {PCI_IO_BASE_UPPER16, 2, "I/O Base Upper 16 Bits", RW},
    {PCI_IO_LIMIT_UPPER16, 2, "I/O Limit Upper 16 Bits", RW},
    {PCI_CAPABILITY_LIST, 1, "Capabilities Pointer", RO},
    {PCI_CAPABILITY_LIST + 1, PCI_ROM_ADDRESS1 - PCI_CAPABILITY_LIST - 1, "Reserved", Rsvd},
    {PCI_ROM_ADDRESS1, 4, "Expansion ROM Base Address", RW, kRom},
    {PCI_INTERRUPT_LINE, 1, "Interrupt Line", RW},
    {PCI_INTERRUPT_PIN, 1, "Interrupt Pin", RO, kInterruptPin},
    {PCI_BRIDGE_CONTROL, 2, "Bridge Control", RW, kBridgeControl},
};

// ---- Layout 2: a CardBus bridge --------------------------------------------------------------

constexpr Field kCardbusBridgeControl[] = {
    {PCI_CB_BRIDGE_CTL_PARITY, "Parity"},
    {PCI_CB_BRIDGE_CTL_SERR, "SERR"},
    {PCI_CB_BRIDGE_CTL_ISA, "NoISA"},
    {PCI_CB_BRIDGE_CTL_VGA, "VGA"},
    {PCI_CB_BRIDGE_CTL_MASTER_ABORT, "MAbort"},
    {PCI_CB_BRIDGE_CTL_CB_RESET, ">Reset"},
    {PCI_CB_BRIDGE_CTL_16BIT_INT, "16bitInt"},
    {PCI_CB_BRIDGE_CTL_PREFETCH_MEM0, "PrefMem0"},
    {PCI_CB_BRIDGE_CTL_PREFETCH_MEM1, "PrefMem1"},
    {PCI_CB_BRIDGE_CTL_POST_WRITES, "PostWrite"},
};

constexpr Register kCardbus[] = {
    {PCI_BASE_ADDRESS_0, 4, "CardBus Socket/ExCA Base Address", RW},
    {PCI_CB_CAPABILITY_LIST, 1, "Capabilities Pointer", RO},
    {PCI_CB_CAPABILITY_LIST + 1, 1, "Reserved", Rsvd},
    {PCI_CB_SEC_STATUS, 2, "Secondary Status", RO, kSecondaryStatus},
    {PCI_CB_PRIMARY_BUS, 1, "PCI Bus Number", RW},
    {PCI_CB_CARD_BUS, 1, "CardBus Bus Number", RW},
    {PCI_CB_SUBORDINATE_BUS, 1, "Subordinate Bus Number", RW},
    {PCI_CB_LATENCY_TIMER, 1, "CardBus Latency Timer", RW},
    {PCI_CB_MEMORY_BASE_0, 4, "Memory Base 0", RW},
    {PCI_CB_MEMORY_LIMIT_0, 4, "Memory Limit 0", RW},
    {PCI_CB_MEMORY_BASE_1, 4, "Memory Base 1", RW},
    {PCI_CB_MEMORY_LIMIT_1, 4, "Memory Limit 1", RW},
    {PCI_CB_IO_BASE_0, 4, "I/O Base 0", RW},
    {PCI_CB_IO_LIMIT_0, 4, "I/O Limit 0", RW},
    {PCI_CB_IO_BASE_1, 4, "I/O Base 1", RW},
    {PCI_CB_IO_LIMIT_1, 4, "I/O Limit 1", RW},
    {PCI_INTERRUPT_LINE, 1, "Interrupt Line", RW},
    {PCI_INTERRUPT_PIN, 1, "Interrupt Pin", RO, kInterruptPin},
    {PCI_CB_BRIDGE_CONTROL, 2, "Bridge Control", RW, kCardbusBridgeControl},
    {PCI_CB_SUBSYSTEM_VENDOR_ID, 2, "Subsystem Vendor ID", RO},
    {PCI_CB_SUBSYSTEM_ID, 2, "Subsystem ID", RO},
    {PCI_CB_LEGACY_MODE_BASE, 4, "16-bit PC Card Legacy Mode Base Address", RW},
};

constexpr int32 kCommonSize = PCI_BIST + 1;
constexpr int32 kCardbusSize = PCI_CB_LEGACY_MODE_BASE + 4;

constexpr StructureLayout kLayouts[] = {
    {PCI_HEADER_TYPE_NORMAL, "type 0 header", kOrdinary, PCI_STD_HEADER_SIZEOF, nullptr,
     PCI_CAPABILITY_LIST},
    {PCI_HEADER_TYPE_BRIDGE, "type 1 header (PCI-to-PCI bridge)", kBridge, PCI_STD_HEADER_SIZEOF,
     nullptr, PCI_CAPABILITY_LIST},
    {PCI_HEADER_TYPE_CARDBUS, "type 2 header (CardBus bridge)", kCardbus, kCardbusSize, nullptr,
     PCI_CB_CAPABILITY_LIST},
};
constexpr StructureLayout kUnknownLayout = {
    PCI_HEADER_TYPE_MASK, "header of an unknown layout", {}, kCommonSize};

} // namespace

std::span<const Register> CommonHeaderRegisters() { return kCommon; }

const StructureLayout& HeaderLayout(uint8 layout)
{
    return layout < std::size(kLayouts) ? kLayouts[layout] : kUnknownLayout;
}
