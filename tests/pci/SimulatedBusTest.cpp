#include "InstalledMachine.h"

#include <PCI.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace config;
using testing::ElementsAre;

namespace {

constexpr PciAddress kNic{0, 2, 0};
constexpr PciAddress kBridge{0, 3, 0};
constexpr uint16 kStatusBits = 0x6290; // system error and master abort flagged, plus RO bits

// Copies of images, as of a dump: the registers keep their own rules.
std::vector<SimulatedFunction> TestMachine()
{
    std::array<uint8, kSpaceSize> nic{}, bridge{};
    nic[kStatus] = bridge[kSecondaryStatus] = uint8(kStatusBits);
    nic[kStatus + 1] = bridge[kSecondaryStatus + 1] = uint8(kStatusBits >> 8);
    bridge[kHeaderType] = kBridgeLayout;
    return {SimulatedFunction(kBridge, bridge), SimulatedFunction(kNic, nic)};
}

// The calls the windows make, on the installed machine.
class SimulatedBusTest : public testing::Test {
protected:
    static uint32 Read(PciAddress at, int32 offset, int32 size)
    {
        return read_pci_config(at.bus, at.device, at.function, offset, size);
    }
    static void Write(PciAddress at, int32 offset, int32 size, uint32 value)
    {
        write_pci_config(at.bus, at.device, at.function, offset, size, value);
    }

    InstalledMachine machine{TestMachine()};
};

} // namespace

TEST_F(SimulatedBusTest, AccessesThatLeaveTheSpaceOrHaveNoSizeNeverReachTheBus)
{
    const std::pair<int32, int32> refused[] = {{-1, 1}, {256, 1},      {255, 4}, {255, 2},
                                               {1, 2},  {2, 4},        {0, 0},   {0, 3},
                                               {0, 8},  {INT32_MIN, 1}};
    for (auto [offset, size] : refused) {
        EXPECT_EQ(Read(kNic, offset, size), size == 1   ? 0xFF
                                            : size == 2 ? 0xFFFF
                                                        : 0xFFFFFFFF)
            << offset;
        Write(kNic, offset, size, 0);
    }
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    Write(kNic, kInterruptLine, 1, 0x1FF);
    EXPECT_THAT(machine.bus.WriteLog(), ElementsAre(ConfigWrite{kNic, kInterruptLine, 1, 0xFF}));
    EXPECT_EQ(Read(kNic, 252, 4), 0u);
    pci_info info;
    EXPECT_NE(get_nth_pci_info(-1, &info), B_OK);
}

TEST_F(SimulatedBusTest, StatusErrorBitsClearOnlyWhereOnesAreWritten)
{
    const std::pair<PciAddress, int32> registers[] = {{kNic, kStatus}, {kBridge, kSecondaryStatus}};
    for (auto [address, offset] : registers) {
        Write(address, offset, 2, 0);
        EXPECT_EQ(Read(address, offset, 2), kStatusBits);
        Write(address, offset, 2, 0x2000);
        EXPECT_EQ(Read(address, offset, 2), kStatusBits & ~0x2000u);
        Write(address, offset, 2, 0xFFFF);
        EXPECT_EQ(Read(address, offset, 2), kStatusBits & ~uint32(kStatusErrorBits));
    }
}

// A region's size is the lowest address bit software may write; a ROM's enable bit is none.
TEST(SimulatedFunction, ReportsTheSizesItsMemoryAndIoBarsAndItsRomDecode)
{
    SimulatedFunction card(PciAddress{0, 4, 0}, 0x8086, 0x1229, 0x020000, 8);
    card.MemoryBar(0, 0x1000, 0xE7000000).IoBar(1, 64, 0xD000).Rom(0x10000, 0xE4800000);
    const auto h0 = card.Info({0, 4, 0}).u.h0;
    EXPECT_THAT(std::to_array(h0.base_register_sizes), ElementsAre(0x1000, 64, 0, 0, 0, 0));
    EXPECT_EQ(h0.rom_size, 0x10000u);
}
