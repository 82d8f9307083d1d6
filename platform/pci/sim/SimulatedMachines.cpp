#include "SimulatedMachines.h"

using namespace config;

namespace {

constexpr uint16 kIntel = 0x8086;
constexpr uint8 kPinA = 1;
constexpr uint8 kPinD = 4;

// Status bits that only describe the device: medium DEVSEL timing and fast back-to-back.
constexpr uint32 kStatusMediumFast = 0x0280;

// ---- Capabilities: each structure at its offset, linked to the next one.

// A standard capability's ID and the offset of the next one (0 ends the list).
void Capability(SimulatedFunction& function, int32 at, uint8 id, uint8 next)
{
    function.Define(at, 2, uint32(next) << 8 | id);
}

void AddPowerManagement(SimulatedFunction& function, int32 at, uint8 next)
{
    Capability(function, at, PCI_CAP_ID_PM, next);
    // Version 3, D1 and D2 not supported, PME from D3hot; the power state is software's.
    function.Define(at + PCI_PM_PMC, 2, 0x4003)
        .Define(at + PCI_PM_CTRL, 2, PCI_PM_CTRL_NO_SOFT_RESET,
                PCI_PM_CTRL_STATE_MASK | PCI_PM_CTRL_PME_ENABLE, PCI_PM_CTRL_PME_STATUS);
}

// 64-bit MSI with one vector, enabled by software.
void AddMsi(SimulatedFunction& function, int32 at, uint8 next)
{
    Capability(function, at, PCI_CAP_ID_MSI, next);
    function.Define(at + PCI_MSI_FLAGS, 2, PCI_MSI_FLAGS_64BIT, PCI_MSI_FLAGS_ENABLE)
        .Define(at + PCI_MSI_ADDRESS_LO, 4, 0, 0xFFFFFFFC)
        .Define(at + PCI_MSI_ADDRESS_HI, 4, 0, 0xFFFFFFFF)
        .Define(at + PCI_MSI_DATA_64, 2, 0, 0xFFFF);
}

void AddMsiX(SimulatedFunction& function, int32 at, uint8 next, uint16 vectors, uint32 table,
             uint32 pendingBits)
{
    Capability(function, at, PCI_CAP_ID_MSIX, next);
    function
        .Define(at + PCI_MSIX_FLAGS, 2, vectors - 1u,
                PCI_MSIX_FLAGS_ENABLE | PCI_MSIX_FLAGS_MASKALL)
        .Define(at + PCI_MSIX_TABLE, 4, table)
        .Define(at + PCI_MSIX_PBA, 4, pendingBits);
}

// An endpoint's PCI Express capability, version 2, on a link of the given speed and width
// (speed 1 is 2.5 GT/s). Its error status bits clear where 1s are written; a function level
// reset, asked for in the device control register, clears the command register.
void AddPciExpress(SimulatedFunction& function, int32 at, uint8 next, uint8 speed, uint8 width)
{
    Capability(function, at, PCI_CAP_ID_EXP, next);
    const uint32 link = uint32(width) << 4 | speed;
    function.Define(at + PCI_EXP_FLAGS, 2, PCI_EXP_TYPE_ENDPOINT << 4 | 2)
        .Define(at + PCI_EXP_DEVCAP, 4, 0x10008C82)
        .Define(at + PCI_EXP_DEVCTL, 2, 0x2810, 0x7FFF)
        .Define(at + PCI_EXP_DEVSTA, 2, PCI_EXP_DEVSTA_CED, 0, 0x000F)
        .Define(at + PCI_EXP_LNKCAP, 4, 0x00437C00 | link)
        .Define(at + PCI_EXP_LNKCTL, 2, PCI_EXP_LNKCTL_RCB, 0x0FFB)
        .Define(at + PCI_EXP_LNKSTA, 2, PCI_EXP_LNKSTA_SLC | link)
        .Define(at + PCI_EXP_DEVCAP2, 4, 0x0070081F)
        .Define(at + PCI_EXP_DEVCTL2, 2, 0, 0x07FF)
        .Define(at + PCI_EXP_LNKCAP2, 4, uint32((2 << speed) - 2))
        .Define(at + PCI_EXP_LNKCTL2, 2, speed, 0x0F7F)
        .Define(at + PCI_EXP_LNKSTA2, 2, 0)
        .Couple(at + PCI_EXP_DEVCTL + 1, PCI_EXP_DEVCTL_BCR_FLR >> 8, kCommand, 0xFF)
        .Couple(at + PCI_EXP_DEVCTL + 1, PCI_EXP_DEVCTL_BCR_FLR >> 8, kCommand + 1, 0xFF);
}

// An extended capability's ID, version and the offset of the next one (0 ends the list).
void ExtendedCapability(SimulatedFunction& function, int32 at, uint16 id, uint8 version, int32 next)
{
    function.Define(at, 4, uint32(next) << 20 | uint32(version) << 16 | id);
}

// Advanced error reporting with errors already logged, as a device that has been running
// for a while shows them: a person can clear them by writing 1s.
void AddAdvancedErrorReporting(SimulatedFunction& function, int32 at, int32 next,
                               uint32 uncorrectable, uint32 correctable)
{
    constexpr uint32 kUncorrectableBits = 0x03FFF030;
    constexpr uint32 kCorrectableBits = 0x0000F1C1;
    ExtendedCapability(function, at, PCI_EXT_CAP_ID_ERR, 2, next);
    function.Define(at + PCI_ERR_UNCOR_STATUS, 4, uncorrectable, 0, kUncorrectableBits)
        .Define(at + PCI_ERR_UNCOR_MASK, 4, 0x00400000, kUncorrectableBits)
        .Define(at + PCI_ERR_UNCOR_SEVER, 4, 0x00462030, kUncorrectableBits)
        .Define(at + PCI_ERR_COR_STATUS, 4, correctable, 0, kCorrectableBits)
        .Define(at + PCI_ERR_COR_MASK, 4, PCI_ERR_COR_ADV_NFAT, kCorrectableBits)
        .Define(at + PCI_ERR_CAP, 4, PCI_ERR_CAP_ECRC_GENC | PCI_ERR_CAP_ECRC_CHKC,
                PCI_ERR_CAP_ECRC_GENE | PCI_ERR_CAP_ECRC_CHKE);
}

void AddSerialNumber(SimulatedFunction& function, int32 at, int32 next, uint64 serial)
{
    ExtendedCapability(function, at, PCI_EXT_CAP_ID_DSN, 1, next);
    function.Define(at + 4, 4, uint32(serial)).Define(at + 8, 4, uint32(serial >> 32));
}

SimulatedFunction HostBridge()
{
    SimulatedFunction bridge(PciAddress{0, 0x00, 0}, kIntel, 0x7190, 0x060000, 0x03);
    // A master abort from probing an empty slot is still flagged, ready to be cleared.
    bridge.Define(kStatus, 2, 0x2210, 0, kStatusErrorBits)
        .MemoryBar(0, 0x04000000, 0xE0000000, true);
    bridge.Write(kCommand, 2, 0x0006);
    bridge.Write(kLatency, 1, 0x40);
    return bridge;
}

SimulatedFunction AgpBridge()
{
    SimulatedFunction bridge(PciAddress{0, 0x01, 0}, kIntel, 0x7191, 0x060400, 0x03, kBridgeLayout);
    bridge.Define(kStatus, 2, 0x0220, 0, kStatusErrorBits)
        .Define(kSecondaryStatus, 2, 0x02A0, 0, kStatusErrorBits);
    bridge.Write(kCommand, 2, 0x0107);
    bridge.Write(kLatency, 1, 0x40);
    bridge.Write(kPrimaryBus, 4, 0x40010100);
    bridge.Write(kIoBase, 2, 0xC0C0);
    bridge.Write(kMemoryBase, 4, 0xE5F0E400);
    bridge.Write(kPrefetchableBase, 4, 0xDFF0D800);
    bridge.Write(kBridgeControl, 2, 0x0008);
    return bridge;
}

SimulatedFunction Vga()
{
    SimulatedFunction vga(PciAddress{1, 0x00, 0}, 0x10C8, 0x0006, 0x030000, 0x20);
    vga.Define(kStatus, 2, 0x0290, 0, kStatusErrorBits)
        .MemoryBar(0, 0x01000000, 0xD8000000, true)
        .MemoryBar(1, 0x00400000, 0xE4000000)
        .MemoryBar(2, 0x00100000, 0xE4400000)
        .Rom(0x00010000, 0xE4800000)
        .Subsystem(0x10C8, 0x0016)
        .Interrupt(kPinA, 11);
    vga.Write(kCommand, 2, 0x0007);
    return vga;
}

SimulatedFunction IsaBridge()
{
    SimulatedFunction isa(PciAddress{0, 0x07, 0}, kIntel, 0x7110, 0x060100, 0x02, kMultiFunction);
    isa.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits);
    isa.Write(kCommand, 2, 0x0007);
    return isa;
}

SimulatedFunction Ide()
{
    SimulatedFunction ide(PciAddress{0, 0x07, 1}, kIntel, 0x7111, 0x010180, 0x01);
    ide.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits).IoBar(4, 16, 0xF000);
    ide.Write(kCommand, 2, 0x0005);
    ide.Write(kLatency, 1, 0x40);
    return ide;
}

SimulatedFunction Usb()
{
    SimulatedFunction usb(PciAddress{0, 0x07, 2}, kIntel, 0x7112, 0x0C0300, 0x01);
    usb.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits)
        .IoBar(4, 32, 0xE000)
        .Interrupt(kPinD, 11);
    usb.Write(kCommand, 2, 0x0005);
    usb.Write(kLatency, 1, 0x40);
    return usb;
}

SimulatedFunction PowerManagement()
{
    SimulatedFunction power(PciAddress{0, 0x07, 3}, kIntel, 0x7113, 0x068000, 0x02);
    power.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits).Interrupt(kPinA, 9);
    power.Write(kCommand, 2, 0x0001);
    return power;
}

SimulatedFunction NetworkCard()
{
    SimulatedFunction network(PciAddress{0, 0x0B, 0}, kIntel, 0x1229, 0x020000, 0x08);
    network.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits)
        .MemoryBar(0, 0x1000, 0xE7000000)
        .IoBar(1, 64, 0xD000)
        .MemoryBar(2, 0x00100000, 0xE6800000)
        .Subsystem(0x1014, 0x005C)
        .Interrupt(kPinA, 10)
        .Define(kMinGrant, 2, 0x3808);
    network.Write(kCommand, 2, 0x0107);
    network.Write(kLatency, 1, 0x40);
    network.Write(kLineSize, 1, 0x08);
    return network;
}

SimulatedFunction UnclassifiedDevice()
{
    SimulatedFunction device(PciAddress{0, 0x0D, 0}, 0x10B5, 0x9050, 0xFF0000, 0x01);
    device.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits)
        .MemoryBar(0, 0x80, 0xE7001000)
        .IoBar(1, 128, 0xD400)
        .Subsystem(0x10B5, 0x2540)
        .Interrupt(kPinA, 5);
    device.Write(kCommand, 2, 0x0003);
    return device;
}

// A PCI Express gigabit network card on the host's bus, as virtual machines show one: it
// has the extended space, with error reporting and a serial number.
SimulatedFunction ExpressNetworkCard()
{
    SimulatedFunction card(PciAddress{0, 0x0E, 0}, kIntel, 0x10D3, 0x020000, 0x00);
    card.Define(kStatus, 2, PCI_STATUS_CAP_LIST, 0, kStatusErrorBits)
        .MemoryBar(0, 0x20000, 0xE7020000)
        .MemoryBar(1, 0x20000, 0xE7040000)
        .IoBar(2, 32, 0xD800)
        .MemoryBar(3, 0x4000, 0xE7060000)
        .Subsystem(kIntel, 0x0000)
        .Interrupt(kPinA, 11)
        .Define(PCI_CAPABILITY_LIST, 1, 0xC8);
    AddPowerManagement(card, 0xC8, 0xD0);
    AddMsi(card, 0xD0, 0xE0);
    AddPciExpress(card, 0xE0, 0xA0, 1, 1);
    AddMsiX(card, 0xA0, 0x00, 5, 0x00000003, 0x00002003);
    AddAdvancedErrorReporting(card, 0x100, 0x140, 0, PCI_ERR_COR_ADV_NFAT | PCI_ERR_COR_RCVR);
    AddSerialNumber(card, 0x140, 0, 0x0000525400123456);
    card.Write(kCommand, 2, 0x0107);
    card.Write(kLineSize, 1, 0x10);
    return card;
}

// An NVMe drive passed through to the machine in a PCI domain of its own, at an address the
// host's bus has too: it is reached under a bus number no domain uses.
SimulatedFunction PassedThroughDrive()
{
    SimulatedFunction drive(PciLocation(PciAddress{0, 0x00, 0}, 1), 0x144D, 0xA808, 0x010802, 0x00);
    drive.Define(kStatus, 2, PCI_STATUS_CAP_LIST, 0, kStatusErrorBits)
        .MemoryBar(0, 0x4000, 0xE7100004)
        .Subsystem(0x144D, 0xA801)
        .Interrupt(kPinA, 11)
        .Define(PCI_CAPABILITY_LIST, 1, 0x40);
    AddPowerManagement(drive, 0x40, 0x50);
    AddMsi(drive, 0x50, 0x70);
    AddPciExpress(drive, 0x70, 0xB0, 3, 4);
    AddMsiX(drive, 0xB0, 0x00, 33, 0x00003000, 0x00002000);
    AddAdvancedErrorReporting(drive, 0x100, 0x148, PCI_ERR_UNC_COMP_TIME, 0);
    AddSerialNumber(drive, 0x148, 0x158, 0x2505E8B1C4382500);
    ExtendedCapability(drive, 0x158, PCI_EXT_CAP_ID_LTR, 1, 0x160);
    drive.Define(0x158 + PCI_LTR_MAX_SNOOP_LAT, 4, 0x10011001, 0x1FFF1FFF);
    ExtendedCapability(drive, 0x160, PCI_EXT_CAP_ID_L1SS, 1, 0);
    drive.Define(0x160 + PCI_L1SS_CAP, 4, 0x0028281F)
        .Define(0x160 + PCI_L1SS_CTL1, 4, 0, 0xFFFFFF0F);
    drive.Write(kCommand, 2, 0x0406);
    return drive;
}

} // namespace

std::vector<SimulatedFunction> StandardMachine()
{
    return {HostBridge(),
            AgpBridge(),
            Vga(),
            IsaBridge(),
            Ide(),
            Usb(),
            PowerManagement(),
            NetworkCard(),
            UnclassifiedDevice(),
            ExpressNetworkCard(),
            PassedThroughDrive()};
}
