#include "ConfigDecoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

using testing::ElementsAre;

namespace {

using Header = std::array<uint8, config::kHeaderSize>;

void Put(Header& header, int32 offset, int32 size, uint32 value)
{
    for (int32 i = 0; i < size; ++i)
        header[offset + i] = uint8(value >> (8 * i));
}

// Vendor 8086, device 1002, revision A5, class 0C/03/10, line size 10, latency 40, BIST C0.
Header CommonHeader(uint8 headerType)
{
    Header header{};
    Put(header, 0x00, 4, 0x10028086);
    Put(header, 0x08, 4, 0x0C0310A5);
    Put(header, 0x0C, 4, 0xC0004010 | uint32(headerType) << 16);
    return header;
}

Header GeneralHeader()
{
    Header header = CommonHeader(0x00);
    Put(header, 0x10, 4, 0xFEB00008);  // 32-bit prefetchable memory
    Put(header, 0x14, 4, 0x0000C001);  // I/O
    Put(header, 0x18, 4, 0xFC00000C);  // 64-bit prefetchable memory, low half
    Put(header, 0x1C, 4, 0x00000001);  // and its high half
    Put(header, 0x24, 4, 0xFE000000);  // 32-bit memory
    Put(header, 0x28, 4, 0x00001234);  // CardBus CIS
    Put(header, 0x2C, 4, 0x5678104C);  // subsystem 5678, subsystem vendor 104C
    Put(header, 0x30, 4, 0xFFFE0001);  // ROM, enabled
    Put(header, 0x3C, 4, 0x3808020A);  // max latency, min grant, pin B, line 0A
    return header;
}

Header BridgeHeader()
{
    Header header = CommonHeader(0x01);
    Put(header, 0x10, 4, 0xF7E00000);
    Put(header, 0x14, 4, 0x0000E001);
    Put(header, 0x18, 4, 0x40050200);  // secondary latency 40, buses 5, 2, 0
    Put(header, 0x1C, 4, 0x2280F1E1);  // secondary status, I/O limit and base
    Put(header, 0x20, 4, 0xF7F0F600);
    Put(header, 0x24, 4, 0xE7F1E001);
    Put(header, 0x28, 4, 0x00000001);
    Put(header, 0x2C, 4, 0x00000002);
    Put(header, 0x30, 4, 0x00020001);
    Put(header, 0x38, 4, 0xF7D00001);
    Put(header, 0x3C, 4, 0x0013010B);  // bridge control, pin A, line 0B
    return header;
}

}  // namespace

TEST(ConfigDecoder, DecodesAGeneralHeaderWithoutPlatformFacts)
{
    const pci_info info = ConfigDecoder({3, 0x1F, 7}, GeneralHeader()).Decode();

    EXPECT_EQ(info.vendor_id, 0x8086);
    EXPECT_EQ(info.device_id, 0x1002);
    EXPECT_EQ(info.bus, 3);
    EXPECT_EQ(info.device, 0x1F);
    EXPECT_EQ(info.function, 7);
    EXPECT_EQ(info.revision, 0xA5);
    EXPECT_EQ(info.class_api, 0x10);
    EXPECT_EQ(info.class_sub, 0x03);
    EXPECT_EQ(info.class_base, 0x0C);
    EXPECT_EQ(info.line_size, 0x10);
    EXPECT_EQ(info.latency, 0x40);
    EXPECT_EQ(info.header_type, 0x00);
    EXPECT_EQ(info.bist, 0xC0);

    const auto& h0 = info.u.h0;
    EXPECT_EQ(h0.cardbus_cis, 0x1234u);
    EXPECT_EQ(h0.subsystem_id, 0x5678);
    EXPECT_EQ(h0.subsystem_vendor_id, 0x104C);
    EXPECT_EQ(h0.rom_base_pci, 0xFFFE0000u);
    EXPECT_EQ(h0.rom_base, h0.rom_base_pci);
    EXPECT_EQ(h0.rom_size, 0u);
    // The high half of a 64-bit BAR is all address: its low bits are no I/O flag.
    EXPECT_THAT(std::to_array(h0.base_registers_pci),
        ElementsAre(0xFEB00000, 0xC000, 0xFC000000, 0x1, 0, 0xFE000000));
    EXPECT_THAT(std::to_array(h0.base_register_flags), ElementsAre(0x8, 0x1, 0xC, 0, 0, 0));
    EXPECT_EQ(std::to_array(h0.base_registers), std::to_array(h0.base_registers_pci));
    EXPECT_THAT(std::to_array(h0.base_register_sizes), ElementsAre(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(h0.interrupt_line, 0x0A);
    EXPECT_EQ(h0.interrupt_pin, 2);
    EXPECT_EQ(h0.min_grant, 0x08);
    EXPECT_EQ(h0.max_latency, 0x38);
}

TEST(ConfigDecoder, DecodesABridgeHeaderWithPlatformFacts)
{
    PlatformFacts facts;
    facts.hostAddresses = std::array<uint32, 6>{0x1000, 0x2000, 0x3000, 0x4000, 0x5000, 0x6000};
    facts.sizes = {0x100000, 0x100, 0x55, 0x55, 0x55, 0x55};
    facts.romHostAddress = 0xC0000;
    facts.interruptLine = 17;

    const auto h1 = ConfigDecoder({}, BridgeHeader(), facts).Decode().u.h1;

    EXPECT_THAT(std::to_array(h1.base_registers_pci), ElementsAre(0xF7E00000, 0xE000));
    EXPECT_THAT(std::to_array(h1.base_registers), ElementsAre(0x1000, 0x2000));
    EXPECT_THAT(std::to_array(h1.base_register_sizes), ElementsAre(0x100000, 0x100));
    EXPECT_THAT(std::to_array(h1.base_register_flags), ElementsAre(0x0, 0x1));
    EXPECT_EQ(h1.primary_bus, 0);
    EXPECT_EQ(h1.secondary_bus, 2);
    EXPECT_EQ(h1.subordinate_bus, 5);
    EXPECT_EQ(h1.secondary_latency, 0x40);
    EXPECT_EQ(h1.io_base, 0xE1);
    EXPECT_EQ(h1.io_limit, 0xF1);
    EXPECT_EQ(h1.secondary_status, 0x2280);
    EXPECT_EQ(h1.memory_base, 0xF600);
    EXPECT_EQ(h1.memory_limit, 0xF7F0);
    EXPECT_EQ(h1.prefetchable_memory_base, 0xE001);
    EXPECT_EQ(h1.prefetchable_memory_limit, 0xE7F1);
    EXPECT_EQ(h1.prefetchable_memory_base_upper32, 1u);
    EXPECT_EQ(h1.prefetchable_memory_limit_upper32, 2u);
    EXPECT_EQ(h1.io_base_upper16, 1);
    EXPECT_EQ(h1.io_limit_upper16, 2);
    EXPECT_EQ(h1.rom_base_pci, 0xF7D00000u);
    EXPECT_EQ(h1.rom_base, 0xC0000u);
    EXPECT_EQ(h1.interrupt_line, 17);
    EXPECT_EQ(h1.interrupt_pin, 1);
    EXPECT_EQ(h1.bridge_control, 0x0013);
}

TEST(ConfigDecoder, LayoutFollowsTheLowSevenBitsAndOthersLeaveTheUnionZero)
{
    Header multiFunction = GeneralHeader();
    Put(multiFunction, config::kHeaderType, 1, 0x80);
    const pci_info general = ConfigDecoder({}, multiFunction).Decode();
    EXPECT_EQ(general.header_type, 0x80);
    EXPECT_EQ(general.u.h0.subsystem_vendor_id, 0x104C);

    Header multiFunctionBridge = BridgeHeader();
    Put(multiFunctionBridge, config::kHeaderType, 1, 0x81);
    EXPECT_EQ(ConfigDecoder({}, multiFunctionBridge).Decode().u.h1.subordinate_bus, 5);

    Header cardbus = GeneralHeader();
    Put(cardbus, config::kHeaderType, 1, 0x02);
    const pci_info other = ConfigDecoder({}, cardbus).Decode();
    EXPECT_EQ(other.vendor_id, 0x8086);
    const auto unionBytes = std::as_bytes(std::span(&other.u, 1));
    EXPECT_TRUE(std::ranges::all_of(unionBytes, [](std::byte b) { return b == std::byte{0}; }));
}
