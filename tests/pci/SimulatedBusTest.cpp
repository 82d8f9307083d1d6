#include "PCI.h"
#include "PciMachine.h"
#include "PciEnumeration.h"
#include "PciBusSelection.h"
#include "SimulatedBus.h"
#include "SimulatedMachines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace config;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

constexpr PciAddress kNic{0, 2, 0};
constexpr PciAddress kBridge{0, 3, 0};
constexpr uint16 kStatusBits = 0x6290;  // system error and master abort flagged, plus RO bits

std::vector<SimulatedFunction> TestMachine()
{
    SimulatedFunction nic(kNic, 0x8086, 0x100E, 0x020000, 0x03);
    nic.Define(kStatus, 2, kStatusBits, 0, kStatusErrorBits)
        .MemoryBar(0, 0x20000, 0xFEBC0000)
        .IoBar(1, 0x40, 0xC000)
        .MemoryBar(2, 0x1000, 0xFEBE0000, true)
        .Rom(0x10000, 0xFEB80000)
        .Interrupt(1, 11);
    SimulatedFunction bridge(kBridge, 0x8086, 0x244E, 0x060400, 0x01, kBridgeLayout);
    bridge.Define(kSecondaryStatus, 2, kStatusBits, 0, kStatusErrorBits);
    return {bridge, nic};
}

uint32 Read(PciAddress address, int32 offset, int32 size)
{
    return read_pci_config(address.bus, address.device, address.function, offset, size);
}

void Write(PciAddress address, int32 offset, int32 size, uint32 value)
{
    write_pci_config(address.bus, address.device, address.function, offset, size, value);
}

class SimulatedBusTest : public testing::Test {
protected:
    SimulatedBusTest() { InstallPciBus(&fBus); }
    ~SimulatedBusTest() override { InstallPciBus(nullptr); }

    SimulatedBus fBus{TestMachine()};
};

}  // namespace

TEST_F(SimulatedBusTest, ReadOnlyRegistersIgnoreWrites)
{
    for (int32 offset : {kVendorId, kRevision}) {
        const uint32 before = Read(kNic, offset, 4);
        Write(kNic, offset, 4, ~before);
        EXPECT_EQ(Read(kNic, offset, 4), before) << "offset " << offset;
    }
    for (int32 offset : {kHeaderType, kBist, kInterruptPin}) {
        const uint32 before = Read(kNic, offset, 1);
        Write(kNic, offset, 1, ~before);
        EXPECT_EQ(Read(kNic, offset, 1), before) << "offset " << offset;
    }
}

TEST_F(SimulatedBusTest, BaseRegistersAnswerAllOnesWithTheirSizeMask)
{
    struct Bar {
        int32 offset;
        uint32 size;
        uint32 flags;
        uint32 decoded;  // the address bits the function implements
    };
    const Bar bars[] = {{0x10, 0x20000, 0x0, 0xFFFFFFFF}, {0x14, 0x40, 0x1, 0xFFFF},
        {0x18, 0x1000, 0x8, 0xFFFFFFFF}, {kRom, 0x10000, 0x1, 0xFFFFFFFF}};
    for (const Bar& bar : bars) {
        SCOPED_TRACE(testing::Message() << "offset " << bar.offset);
        const uint32 sizeMask = bar.decoded & ~(bar.size - 1);
        Write(kNic, bar.offset, 4, 0xFFFFFFFF);
        EXPECT_EQ(Read(kNic, bar.offset, 4), sizeMask | bar.flags);
        Write(kNic, bar.offset, 4, 0xA5A5A5A5);
        EXPECT_EQ(Read(kNic, bar.offset, 4), (0xA5A5A5A5 & sizeMask) | bar.flags);
    }

    pci_info info;
    ASSERT_EQ(get_nth_pci_info(0, &info), B_OK);
    EXPECT_THAT(std::to_array(info.u.h0.base_register_sizes),
        ElementsAre(0x20000, 0x40, 0x1000, 0, 0, 0));
    EXPECT_EQ(info.u.h0.rom_size, 0x10000u);
}

TEST_F(SimulatedBusTest, StatusErrorBitsClearOnlyWhereOnesAreWritten)
{
    const std::pair<PciAddress, int32> registers[] = {{kNic, kStatus}, {kBridge, kSecondaryStatus}};
    for (auto [address, offset] : registers) {
        SCOPED_TRACE(testing::Message() << "offset " << offset);
        Write(address, offset, 2, 0);
        EXPECT_EQ(Read(address, offset, 2), kStatusBits);
        Write(address, offset, 2, 0x2000);
        EXPECT_EQ(Read(address, offset, 2), kStatusBits & ~0x2000u);
        Write(address, offset, 2, 0xFFFF);
        EXPECT_EQ(Read(address, offset, 2), kStatusBits & ~uint32(kStatusErrorBits));
    }
}

TEST_F(SimulatedBusTest, ScratchRegistersKeepWritesAndUnimplementedSpaceReadsZero)
{
    for (int32 offset : {kLineSize, kLatency, kInterruptLine}) {
        Write(kNic, offset, 1, 0x5A);
        EXPECT_EQ(Read(kNic, offset, 1), 0x5Au) << "offset " << offset;
    }
    Write(kBridge, kSecondaryBus, 1, 0x07);
    EXPECT_EQ(Read(kBridge, kSecondaryBus, 1), 0x07u);
    for (int32 offset = kHeaderSize; offset < kSpaceSize; offset += 4) {
        Write(kNic, offset, 4, 0xFFFFFFFF);
        EXPECT_EQ(Read(kNic, offset, 4), 0u) << "offset " << offset;
    }
}

TEST_F(SimulatedBusTest, LogsEveryWriteUntilCleared)
{
    Write(kNic, kInterruptLine, 1, 0x0A);
    Write(kNic, kVendorId, 2, 0xFFFF);
    Write({7, 7, 7}, 0x40, 4, 0x12345678);
    EXPECT_THAT(fBus.WriteLog(), ElementsAre(ConfigWrite{kNic, kInterruptLine, 1, 0x0A},
        ConfigWrite{kNic, kVendorId, 2, 0xFFFF}, ConfigWrite{{7, 7, 7}, 0x40, 4, 0x12345678}));

    fBus.ClearWriteLog();
    EXPECT_THAT(fBus.WriteLog(), IsEmpty());
}

TEST_F(SimulatedBusTest, RemovedFunctionReadsAllOnesAndIsNoLongerListed)
{
    fBus.Remove(kNic);

    EXPECT_EQ(Read(kNic, kVendorId, 1), 0xFFu);
    EXPECT_EQ(Read(kNic, kVendorId, 4), 0xFFFFFFFFu);
    const std::vector<pci_info> infos = EnumeratePci();
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(infos[0].device, kBridge.device);
    Write(kNic, kInterruptLine, 1, 0x0A);
    EXPECT_THAT(fBus.WriteLog(), ElementsAre(ConfigWrite{kNic, kInterruptLine, 1, 0x0A}));
    EXPECT_EQ(Read(kNic, kInterruptLine, 1), 0xFFu);
}

TEST_F(SimulatedBusTest, MachinesOfAnySizeEnumerateInAddressOrder)
{
    for (int count : {0, 3, 40, 300}) {
        SCOPED_TRACE(testing::Message() << count << " functions");
        std::vector<SimulatedFunction> functions = PlainMachine(count);
        std::ranges::reverse(functions);
        SimulatedBus machine(functions);
        InstallPciBus(&machine);
        const std::vector<pci_info> infos = EnumeratePci();
        ASSERT_EQ(infos.size(), size_t(count));
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(infos[i].device_id, i);
    }
}

// Nothing is installed here: the calls reach the machine the simulated backend defines, which
// calls itself simulated so its windows can say so.
TEST(SimulatedStandardMachine, ServesTheCallsWithoutSetUpUnderItsName)
{
    EXPECT_EQ(EnumeratePci().size(), StandardMachine().size());
    EXPECT_STREQ(get_pci_machine_name(), "simulated");
    EXPECT_EQ(get_pci_config_reach(), PCI_REACH_ALL);
}
