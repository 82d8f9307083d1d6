#include "HostBus.h"
#include "LspciDump.h"
#include "PCI.h"
#include "PciMachine.h"
#include "PciEnumeration.h"
#include "PciBusSelection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// The host backend on dump files, which refuse writes: these tests only read.

using testing::ElementsAre;

namespace {

class HostBusDump : public testing::Test {
protected:
    ~HostBusDump() override { InstallPciBus(nullptr); }

    std::vector<pci_info> EnumerateDump(const std::string& path)
    {
        fBus = std::make_unique<HostBus>("dump", HostBus::Parameters{{"dump.name", path}});
        InstallPciBus(fBus.get());
        return EnumeratePci();
    }

    std::unique_ptr<HostBus> fBus;
};

}  // namespace

TEST_F(HostBusDump, ListsFunctionsInOrderAndReadsTheirBytes)
{
    // A 64-bit memory BAR at 1:FE000000, then an I/O BAR at E000; the others unused.
    std::vector<uint8> withBars = Image(0x8086, 0xA348, 0x00, 256);
    const uint8 bars[24] = {0x04, 0x00, 0x00, 0xFE, 0x01, 0x00, 0x00, 0x00, 0x01, 0xE0};
    std::ranges::copy(bars, withBars.begin() + 0x10);
    // Listed out of order; 0001:00:00.0 repeats 00:00.0 of domain 0 and must be left out.
    const std::vector<DumpedFunction> dumped = {
        {"0000:02:00.0", {2, 0, 0}, Image(0x10EC, 0x8168, 0x00, 64)},
        {"0000:00:1f.3", {0, 0x1F, 3}, withBars},
        {"0001:00:00.0", {0, 0, 0}, Image(0x1022, 0x1480, 0x00, 256)},
        {"00:00.0", {0, 0, 0}, Image(0x8086, 0x3E30, 0x80, 256)},
        {"0001:05:00.0", {5, 0, 0}, Image(0x1AF4, 0x1041, 0x01, 256)},
        // Shorter than a header: the bytes it holds are still read.
        {"0000:03:00.0", {3, 0, 0}, Image(0x8086, 0x10D3, 0x00, 48)},
    };
    const std::vector<DumpedFunction> expected
        = {dumped[3], dumped[1], dumped[0], dumped[5], dumped[4]};

    const std::vector<pci_info> infos = EnumerateDump(WriteDump("ordered.dump", dumped));

    ASSERT_EQ(infos.size(), expected.size());
    for (size_t n = 0; n < expected.size(); ++n) {
        const DumpedFunction& function = expected[n];
        const PciAddress address = function.address;
        SCOPED_TRACE(function.location);
        EXPECT_EQ(infos[n].bus, address.bus);
        EXPECT_EQ(infos[n].device, address.device);
        EXPECT_EQ(infos[n].function, address.function);
        EXPECT_EQ(infos[n].vendor_id, function.bytes[0] | function.bytes[1] << 8);
        EXPECT_EQ(infos[n].device_id, function.bytes[2] | function.bytes[3] << 8);
        EXPECT_EQ(infos[n].class_base, function.bytes[0x0B]);
        EXPECT_EQ(infos[n].header_type, function.bytes[0x0E]);
        for (int32 offset = 0; offset < 256; ++offset) {
            // What the dump does not hold reads as a failed read.
            const uint32 held
                = size_t(offset) < function.bytes.size() ? function.bytes[offset] : 0xFF;
            ASSERT_EQ(read_pci_config(address.bus, address.device, address.function, offset, 1),
                held) << "offset " << offset;
        }
        EXPECT_EQ(read_pci_config(address.bus, address.device, address.function, 0, 4),
            uint32(infos[n].device_id) << 16 | infos[n].vendor_id);
    }
    EXPECT_EQ(read_pci_config(9, 9, 0, 0, 2), 0xFFFFu);
    // A dump is never written, and the first function's dump holds all 256 bytes.
    EXPECT_EQ(get_pci_config_reach(), PCI_REACH_READ_ONLY);
    EnumerateDump(WriteDump("first-64.dump", {dumped[0]}));
    EXPECT_EQ(get_pci_config_reach(), PCI_REACH_FIRST_64_BYTES);
    // libpci's addresses for the dump are the registers' own.
    EXPECT_THAT(std::to_array(infos[1].u.h0.base_registers),
        ElementsAre(0xFE000000, 0x1, 0xE000, 0, 0, 0));
    EXPECT_THAT(std::to_array(infos[1].u.h0.base_register_flags),
        ElementsAre(0x4, 0, 0x1, 0, 0, 0));
}

// libpci's fatal errors on a bad dump are checked where a person meets them: the simulated
// program refusing a garbled file.
TEST(HostBusMethod, AnUnknownOneGivesAnEmptyBus)
{
    HostBus unknownMethod("no-such-method", {});
    pci_info info;
    EXPECT_NE(unknownMethod.GetNthInfo(0, &info), B_OK);
}
