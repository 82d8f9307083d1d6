#include "DeviceRows.h"

namespace {

// The kinds of line a row takes: one that starts a line, and those that continue it further
// right. Name views lie over their row's value view.
constexpr RowPlacement Starting(const char* label)
{
    return {label, 15, 80, 85, 300, 0, 0, false, false};
}
constexpr RowPlacement Middle(const char* label)
{
    return {label, 110, 200, 180, 250, 0, 0, true, false};
}
constexpr RowPlacement Right(const char* label)
{
    return {label, 205, 300, 275, 350, 0, 0, true, false};
}
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
constexpr RowPlacement LayoutStarting(const char* label)
{
    return {label, 15, 100, 100, 300, 0, 0, false, false};
}
constexpr RowPlacement LayoutRight(const char* label)
{
    return {label, 155, 300, 240, 350, 0, 0, true, false};
}
constexpr RowPlacement BridgeStarting(const char* label)
{
    return {label, 15, 100, 105, 300, 0, 0, false, false};
}
constexpr RowPlacement BridgeRight(const char* label)
{
    return {label, 150, 300, 240, 300, 0, 0, true, false};
}

} // namespace

const RowPlacement kOrdinaryRows[ordinary::Count] = {
    Named(Starting("Vendor ID"), 118, 350),
    Starting("Device ID"),
    Starting("Bus"),
    Middle("Device"),
    Right("Function"),
    Starting("Revision"),
    Middle("Class api"),
    GapAbove(Named(Starting("Class sub"), 105, 300)),
    Named(Starting("Class base"), 105, 300),
    GapAbove(Starting("Line size")),
    Middle("Latency"),
    Right("Self test"),
    Starting("Header type"),
    {"CardBus CIS", 0, 0, 0, 0, 0, 0, false, false},
    LayoutStarting("Subsystem ID"),
    Named(LayoutStarting("Sub. Vend. ID"), 130, 350),
    LayoutStarting("Rom Base"),
    LayoutRight("Rom Base PCI"),
    LayoutStarting("Rom Size"),
    LayoutStarting("Base Registers"),
    LayoutStarting("Base Regs PCI"),
    LayoutStarting("Base Reg Sizes"),
    LayoutStarting("Base Reg Flags"),
    LayoutStarting("Interrupt Line"),
    LayoutRight("Interrupt pin"),
    LayoutStarting("Min Grant"),
    LayoutRight("Max Latency"),
};

const RowPlacement kBridgeRows[bridge::Count] = {
    BridgeStarting("Base Registers"), BridgeStarting("Base Regs PCI"),
    BridgeStarting("Base Reg Sizes"), BridgeStarting("Base Reg Flags"),
    BridgeStarting("Primary Bus"),    BridgeStarting("Secondary Bus"),
    BridgeRight("Subordinate Bus"),   BridgeStarting("2nd Latency"),
    BridgeRight("2nd Status"),        BridgeStarting("IO Base"),
    BridgeRight("IO Limit"),          BridgeStarting("Memory Base"),
    BridgeRight("Memory Limit"),      BridgeStarting("Prefetch Base"),
    BridgeRight("Prefetch Limit"),    BridgeStarting("Prefetch Base32"),
    BridgeRight("Prefetch Limit32"),  BridgeStarting("IO Base upper16"),
    BridgeRight("IO Limit upper16"),  BridgeStarting("Rom Base"),
    BridgeRight("Rom Base PCI"),      BridgeStarting("Interrupt Line"),
    BridgeRight("Interrupt pin"),     BridgeStarting("Bridge Control"),
};
