// The IDs, the class and the subsystem IDs are held against the bytes in the bus interface test.

#include "ConfigDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <span>

using testing::ElementsAre;

namespace {

// Each register once, read as an ordinary function's and as a bridge's. Registers 4 to 7 hold
// a prefetchable memory base, an I/O base, the low half of a 64-bit memory base (a bridge's
// buses) and its high half; 8 to 11 a bridge's memory windows with their upper halves, 12 its
// I/O upper halves (an ordinary function's ROM) and 14 a bridge's ROM.
std::array<uint8, config::kHeaderSize> HeaderOfType(uint8 headerType)
{
    const uint32 registers[] = {
        0x10028086, 0,          0x0C0310A5, 0xC0004010 | uint32(headerType) << 16,
        0xFEB00008, 0x0000C001, 0x4005020C, 0x2280F1E1,
        0xE5F0E400, 0xDFF1D801, 0x12,       0x34,
        0xFFFE0001, 0,          0xC0000001, 0x3808020A};
    std::array<uint8, config::kHeaderSize> header{};
    for (size_t i = 0; i < header.size(); ++i)
        header[i] = uint8(registers[i / 4] >> (8 * (i % 4)));
    return header;
}

} // namespace

TEST(ConfigDecoder, DecodesEachLayoutsRegistersAndTheHostsFacts)
{
    const pci_info info = ConfigDecoder({3, 0x1F, 7}, HeaderOfType(0x80)).Decode();
    EXPECT_EQ(
        std::tie(info.bus, info.device, info.function, info.revision, info.class_api, info.bist),
        std::tuple(3, 0x1F, 7, 0xA5, 0x10, 0xC0));
    const auto& h0 = info.u.h0;
    EXPECT_EQ(h0.rom_base_pci, 0xFFFE0000u);
    // The high half of a 64-bit register pair is all address: its low bits are no I/O flag.
    EXPECT_THAT(std::to_array(h0.base_registers),
                ElementsAre(0xFEB00000, 0xC000, 0x40050200, 0x2280F1E1, 0xE5F0E400, 0xDFF1D800));
    EXPECT_THAT(std::to_array(h0.base_register_flags), ElementsAre(0x8, 0x1, 0xC, 0, 0, 0x1));
    EXPECT_EQ(std::tie(h0.interrupt_line, h0.interrupt_pin, h0.min_grant, h0.max_latency),
              std::tuple(0x0A, 2, 8, 0x38));

    PlatformFacts facts;
    facts.hostAddresses = std::array<uint32, 6>{0x1000, 0x2000};
    facts.sizes = {0x100000, 0x100};
    facts.interruptLine = 17;
    const auto h1 = ConfigDecoder({}, HeaderOfType(0x81), facts).Decode().u.h1;
    EXPECT_THAT(std::to_array(h1.base_registers), ElementsAre(0x1000, 0x2000));
    EXPECT_THAT(std::to_array(h1.base_register_sizes), ElementsAre(0x100000, 0x100));
    EXPECT_EQ(std::tie(h1.primary_bus, h1.secondary_bus, h1.subordinate_bus, h1.secondary_latency,
                       h1.io_base, h1.io_limit, h1.secondary_status, h1.interrupt_line,
                       h1.interrupt_pin, h1.bridge_control),
              std::tuple(0x0C, 2, 5, 0x40, 0xE1, 0xF1, 0x2280, 17, 2, 0x3808));
    EXPECT_EQ(std::tie(h1.memory_base, h1.memory_limit, h1.prefetchable_memory_base,
                       h1.prefetchable_memory_limit, h1.prefetchable_memory_base_upper32,
                       h1.prefetchable_memory_limit_upper32, h1.io_base_upper16,
                       h1.io_limit_upper16, h1.rom_base_pci, h1.rom_base),
              std::tuple(0xE400, 0xE5F0, 0xD801, 0xDFF1, 0x12, 0x34, 0x0001, 0xFFFE, 0xC0000000,
                         0xC0000000));

    // A CardBus bridge fills what it shares with a PCI-to-PCI bridge, and no more; an unknown
    // layout nothing.
    decltype(pci_info::u.h1) cardbus{};
    std::tie(cardbus.primary_bus, cardbus.secondary_bus, cardbus.subordinate_bus,
             cardbus.secondary_latency, cardbus.interrupt_line, cardbus.interrupt_pin,
             cardbus.bridge_control) = std::tuple(0x0C, 2, 5, 0x40, 0x0A, 2, 0x3808);
    const pci_info decoded = ConfigDecoder({}, HeaderOfType(0x82)).Decode();
    EXPECT_EQ(std::memcmp(&decoded.u.h1, &cardbus, sizeof(cardbus)), 0);
    const pci_info other = ConfigDecoder({}, HeaderOfType(0x03)).Decode();
    EXPECT_TRUE(std::ranges::all_of(std::as_bytes(std::span(&other.u, 1)),
                                    [](std::byte b) { return b == std::byte{0}; }));
}
