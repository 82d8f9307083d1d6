#ifndef PCIZ_DEVICEWINDOW_DEVICE_ROWS_H
#define PCIZ_DEVICEWINDOW_DEVICE_ROWS_H

// The device window's rows: a name for each, its label, and where its views stand. The
// ordinary rows show the header of layout 0, the bridge rows that of every other layout; both
// sets lie over the same lines below the rows every function shares.

namespace ordinary {

enum Row : int {
    VendorId,
    DeviceId,
    Bus,
    Device,
    Function,
    Revision,
    ClassApi,
    ClassSub,
    ClassBase,
    LineSize,
    Latency,
    SelfTest,
    HeaderType,
    // Its record field is kept but never shown: the row has no views.
    CardBusCis,
    // From here on the rows depend on the header's layout.
    SubsystemId,
    SubsystemVendorId,
    RomBase,
    RomBasePci,
    RomSize,
    BaseRegisters,
    BaseRegsPci,
    BaseRegSizes,
    BaseRegFlags,
    InterruptLine,
    InterruptPin,
    MinGrant,
    MaxLatency,
    Count
};

inline constexpr Row kFirstLayoutRow = SubsystemId;

} // namespace ordinary

namespace bridge {

enum Row : int {
    BaseRegisters,
    BaseRegsPci,
    BaseRegSizes,
    BaseRegFlags,
    PrimaryBus,
    SecondaryBus,
    SubordinateBus,
    SecondaryLatency,
    SecondaryStatus,
    IoBase,
    IoLimit,
    MemoryBase,
    MemoryLimit,
    PrefetchBase,
    PrefetchLimit,
    PrefetchBase32,
    PrefetchLimit32,
    IoBaseUpper16,
    IoLimitUpper16,
    RomBase,
    RomBasePci,
    InterruptLine,
    InterruptPin,
    BridgeControl,
    Count
};

} // namespace bridge

// Where one row stands: the left and right edges of its label view, its value view and the
// name view beside it (none where both are 0), and how its line follows the row before.
struct RowPlacement {
    const char* label;
    float labelLeft, labelRight;
    float valueLeft, valueRight;
    float nameLeft, nameRight;
    // Shares the line of the row before instead of starting one of its own.
    bool continuesLine;
    // Three units of space above it, between groups of rows.
    bool gapAbove;

    bool HasNameView() const { return nameRight > nameLeft; }
};

extern const RowPlacement kOrdinaryRows[ordinary::Count];
extern const RowPlacement kBridgeRows[bridge::Count];

#endif
