#include "SimulatedMachines.h"

using namespace config;

namespace {

constexpr uint16 kIntel = 0x8086;
constexpr uint8 kPinA = 1;
constexpr uint8 kPinD = 4;
constexpr int kSlotsPerBus = 32;

// Status bits that only describe the device: medium DEVSEL timing and fast back-to-back.
constexpr uint32 kStatusMediumFast = 0x0280;

SimulatedFunction HostBridge()
{
    SimulatedFunction bridge({0, 0x00, 0}, kIntel, 0x7190, 0x060000, 0x03);
    // A master abort from probing an empty slot is still flagged, ready to be cleared.
    bridge.Define(kStatus, 2, 0x2210, 0, kStatusErrorBits)
        .MemoryBar(0, 0x04000000, 0xE0000000, true);
    bridge.Write(kCommand, 2, 0x0006);
    bridge.Write(kLatency, 1, 0x40);
    return bridge;
}

SimulatedFunction AgpBridge()
{
    SimulatedFunction bridge({0, 0x01, 0}, kIntel, 0x7191, 0x060400, 0x03, kBridgeLayout);
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
    SimulatedFunction vga({1, 0x00, 0}, 0x10C8, 0x0006, 0x030000, 0x20);
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
    SimulatedFunction isa({0, 0x07, 0}, kIntel, 0x7110, 0x060100, 0x02, kMultiFunction);
    isa.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits);
    isa.Write(kCommand, 2, 0x0007);
    return isa;
}

SimulatedFunction Ide()
{
    SimulatedFunction ide({0, 0x07, 1}, kIntel, 0x7111, 0x010180, 0x01);
    ide.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits).IoBar(4, 16, 0xF000);
    ide.Write(kCommand, 2, 0x0005);
    ide.Write(kLatency, 1, 0x40);
    return ide;
}

SimulatedFunction Usb()
{
    SimulatedFunction usb({0, 0x07, 2}, kIntel, 0x7112, 0x0C0300, 0x01);
    usb.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits)
        .IoBar(4, 32, 0xE000)
        .Interrupt(kPinD, 11);
    usb.Write(kCommand, 2, 0x0005);
    usb.Write(kLatency, 1, 0x40);
    return usb;
}

SimulatedFunction PowerManagement()
{
    SimulatedFunction power({0, 0x07, 3}, kIntel, 0x7113, 0x068000, 0x02);
    power.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits).Interrupt(kPinA, 9);
    power.Write(kCommand, 2, 0x0001);
    return power;
}

SimulatedFunction NetworkCard()
{
    SimulatedFunction network({0, 0x0B, 0}, kIntel, 0x1229, 0x020000, 0x08);
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
    SimulatedFunction device({0, 0x0D, 0}, 0x10B5, 0x9050, 0xFF0000, 0x01);
    device.Define(kStatus, 2, kStatusMediumFast, 0, kStatusErrorBits)
        .MemoryBar(0, 0x80, 0xE7001000)
        .IoBar(1, 128, 0xD400)
        .Subsystem(0x10B5, 0x2540)
        .Interrupt(kPinA, 5);
    device.Write(kCommand, 2, 0x0003);
    return device;
}

} // namespace

std::vector<SimulatedFunction> StandardMachine()
{
    return {HostBridge(), AgpBridge(),       Vga(),         IsaBridge(),         Ide(),
            Usb(),        PowerManagement(), NetworkCard(), UnclassifiedDevice()};
}

std::vector<SimulatedFunction> PlainMachine(int count)
{
    std::vector<SimulatedFunction> functions;
    functions.reserve(count);
    for (int i = 0; i < count; ++i) {
        const PciAddress address{uint8(i / kSlotsPerBus), uint8(i % kSlotsPerBus), 0};
        functions.emplace_back(address, 0x1B36, uint16(i), 0xFF0000, 0x00);
    }
    return functions;
}
