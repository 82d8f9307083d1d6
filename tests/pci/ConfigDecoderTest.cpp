#include "ConfigDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>
#include <tuple>

using testing::ElementsAre;

namespace {

using Header = std::array<uint8, config::kHeaderSize>;

void Put(Header& header, int32 offset, uint32 value)
{
    for (int32 i = 0; i < 4; ++i)
        header[offset + i] = uint8(value >> (8 * i));
}

// Vendor 8086, device 1002, revision A5, class 0C/03/10, line size 10, latency 40, BIST C0.
Header HeaderOfType(uint8 headerType)
{
    Header header{};
    Put(header, 0x00, 0x10028086);
    Put(header, 0x08, 0x0C0310A5);
    Put(header, 0x0C, 0xC0004010 | uint32(headerType) << 16);
    Put(header, 0x10, 0xFEB00008);  // 32-bit prefetchable memory
    Put(header, 0x14, 0x0000C001);  // I/O
    Put(header, 0x18, 0x4005020C);  // ordinary: 64-bit memory, low half; bridge: the buses
    Put(header, 0x1C, 0x2280F1E1);  // ordinary: its high half; bridge: secondary status, I/O
    Put(header, 0x30, 0xFFFE0001);
    Put(header, 0x3C, 0x3808020A);  // max latency, min grant, pin B, line 0A
    return header;
}

} // namespace

// The IDs and the subsystem IDs are held against the bytes in the bus interface test.
TEST(ConfigDecoder, DecodesAnOrdinaryHeaderWithoutPlatformFacts)
{
    const pci_info info = ConfigDecoder({3, 0x1F, 7}, HeaderOfType(0x80)).Decode();
    EXPECT_EQ(std::tie(info.bus, info.device, info.function, info.revision), std::tuple(3, 0x1F, 7, 0xA5));
    EXPECT_EQ(std::tie(info.class_api, info.class_sub, info.line_size, info.latency, info.bist),
        std::tuple(0x10, 3, 0x10, 0x40, 0xC0));
    const auto& h0 = info.u.h0;
    EXPECT_EQ(h0.rom_base_pci, 0xFFFE0000u);
    // The high half of a 64-bit register pair is all address: its low bits are no I/O flag.
    EXPECT_THAT(std::to_array(h0.base_registers), ElementsAre(0xFEB00000, 0xC000, 0x40050200, 0x2280F1E1, 0, 0));
    EXPECT_THAT(std::to_array(h0.base_register_flags), ElementsAre(0x8, 0x1, 0xC, 0, 0, 0));
    EXPECT_EQ(std::tie(h0.interrupt_line, h0.interrupt_pin, h0.min_grant, h0.max_latency),
        std::tuple(0x0A, 2, 0x08, 0x38));
}

TEST(ConfigDecoder, DecodesABridgeHeaderWithPlatformFacts)
{
    PlatformFacts facts;
    facts.hostAddresses = std::array<uint32, 6>{0x1000, 0x2000};
    facts.sizes = {0x100000, 0x100};
    facts.interruptLine = 17;
    const auto h1 = ConfigDecoder({}, HeaderOfType(0x81), facts).Decode().u.h1;
    EXPECT_THAT(std::to_array(h1.base_registers_pci), ElementsAre(0xFEB00000, 0xC000));
    EXPECT_THAT(std::to_array(h1.base_registers), ElementsAre(0x1000, 0x2000));
    EXPECT_THAT(std::to_array(h1.base_register_sizes), ElementsAre(0x100000, 0x100));
    EXPECT_EQ(std::tie(h1.primary_bus, h1.secondary_bus, h1.subordinate_bus, h1.secondary_latency),
        std::tuple(0x0C, 2, 5, 0x40));
    EXPECT_EQ(std::tie(h1.io_base, h1.io_limit, h1.secondary_status), std::tuple(0xE1, 0xF1, 0x2280));
    EXPECT_EQ(std::tie(h1.interrupt_line, h1.interrupt_pin, h1.bridge_control), std::tuple(17, 2, 0x3808));
}

TEST(ConfigDecoder, AnyOtherLayoutLeavesTheRecordsUnionZero)
{
    const pci_info other = ConfigDecoder({}, HeaderOfType(0x02)).Decode();
    EXPECT_EQ(other.vendor_id, 0x8086);
    const auto unionBytes = std::as_bytes(std::span(&other.u, 1));
    EXPECT_TRUE(std::ranges::all_of(unionBytes, [](std::byte b) { return b == std::byte{0}; }));
}
