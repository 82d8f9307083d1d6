#include "DeviceRows.h"

namespace {

// The kinds of line a row takes: where its label and value stand, and whether it continues the
// line of the row before further right.
struct LineKind {
    float labelLeft, labelRight, valueLeft, valueRight;
    bool continuesLine;
};

constexpr LineKind kStarting{15, 80, 85, 300, false};
constexpr LineKind kMiddle{110, 200, 180, 250, true};
constexpr LineKind kRight{205, 300, 275, 350, true};
constexpr LineKind kLayoutStarting{15, 100, 100, 300, false};
constexpr LineKind kLayoutRight{155, 300, 240, 350, true};
constexpr LineKind kBridgeStarting{15, 100, 105, 300, false};
constexpr LineKind kBridgeRight{150, 300, 240, 300, true};

constexpr RowPlacement Row(const LineKind& kind, const char* label)
{
    return {label,
            kind.labelLeft,
            kind.labelRight,
            kind.valueLeft,
            kind.valueRight,
            0,
            0,
            kind.continuesLine,
            false};
}

// A name view lies over its row's value view.
constexpr RowPlacement Named(RowPlacement row, float left, float right)
{
    row.nameLeft = left;
    row.nameRight = right;
    return row;
}

constexpr RowPlacement GapAbove(RowPlacement row)
{
    row.gapAbove = true;
    return row;
}

} // namespace

const RowPlacement kOrdinaryRows[ordinary::Count] = {
    Named(Row(kStarting, "Vendor ID"), 118, 350),
    Row(kStarting, "Device ID"),
    Row(kStarting, "Bus"),
    Row(kMiddle, "Device"),
    Row(kRight, "Function"),
    Row(kStarting, "Revision"),
    Row(kMiddle, "Class api"),
    GapAbove(Named(Row(kStarting, "Class sub"), 105, 300)),
    Named(Row(kStarting, "Class base"), 105, 300),
    GapAbove(Row(kStarting, "Line size")),
    Row(kMiddle, "Latency"),
    Row(kRight, "Self test"),
    Row(kStarting, "Header type"),
    {"CardBus CIS", 0, 0, 0, 0, 0, 0, false, false},
    Row(kLayoutStarting, "Subsystem ID"),
    Named(Row(kLayoutStarting, "Sub. Vend. ID"), 130, 350),
    Row(kLayoutStarting, "Rom Base"),
    Row(kLayoutRight, "Rom Base PCI"),
    Row(kLayoutStarting, "Rom Size"),
    Row(kLayoutStarting, "Base Registers"),
    Row(kLayoutStarting, "Base Regs PCI"),
    Row(kLayoutStarting, "Base Reg Sizes"),
    Row(kLayoutStarting, "Base Reg Flags"),
    Row(kLayoutStarting, "Interrupt Line"),
    Row(kLayoutRight, "Interrupt pin"),
    Row(kLayoutStarting, "Min Grant"),
    Row(kLayoutRight, "Max Latency"),
};

const RowPlacement kBridgeRows[bridge::Count] = {
    Row(kBridgeStarting, "Base Registers"), Row(kBridgeStarting, "Base Regs PCI"),
    Row(kBridgeStarting, "Base Reg Sizes"), Row(kBridgeStarting, "Base Reg Flags"),
    Row(kBridgeStarting, "Primary Bus"),    Row(kBridgeStarting, "Secondary Bus"),
    Row(kBridgeRight, "Subordinate Bus"),   Row(kBridgeStarting, "2nd Latency"),
    Row(kBridgeRight, "2nd Status"),        Row(kBridgeStarting, "IO Base"),
    Row(kBridgeRight, "IO Limit"),          Row(kBridgeStarting, "Memory Base"),
    Row(kBridgeRight, "Memory Limit"),      Row(kBridgeStarting, "Prefetch Base"),
    Row(kBridgeRight, "Prefetch Limit"),    Row(kBridgeStarting, "Prefetch Base32"),
    Row(kBridgeRight, "Prefetch Limit32"),  Row(kBridgeStarting, "IO Base upper16"),
    Row(kBridgeRight, "IO Limit upper16"),  Row(kBridgeStarting, "Rom Base"),
    Row(kBridgeRight, "Rom Base PCI"),      Row(kBridgeStarting, "Interrupt Line"),
    Row(kBridgeRight, "Interrupt pin"),     Row(kBridgeStarting, "Bridge Control"),
};
