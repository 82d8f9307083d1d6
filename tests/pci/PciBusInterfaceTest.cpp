// Every bus the program can be given answers alike: each function listed once in address
// order, records that agree with the bytes read, all ones where no function is. This
// machine's bus is only ever read.

#include "HostBus.h"
#include "LspciDump.h"
#include "SysfsFunction.h"

#include <ConfigRegisters.h>
#include <DumpFile.h>
#include <PCI.h>
#include <SimulatedBus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

struct BusUnderTest {
    std::unique_ptr<PciBus> bus;
    std::vector<PciAddress> listed;
    std::vector<std::vector<uint8>> bytes;  // each listed function's, where the test knows them
};

// Out of order; 0001:00:00.0 repeats 00:00.0 of domain 0; the last is shorter than a header.
const std::vector<DumpedFunction> kDumped = {
    {"0000:02:00.0", {2, 0, 0}, Image(0x10EC, 0x8168, 0x00, 64)},
    {"0000:00:1f.3", {0, 0x1F, 3}, Image(0x8086, 0xA348, 0x00, 256)},
    {"0001:00:00.0", {0, 0, 0}, Image(0x1022, 0x1480, 0x00, 256)},
    {"00:00.0", {0, 0, 0}, Image(0x8086, 0x3E30, 0x80, 256)},
    {"0001:05:00.0", {5, 0, 0}, Image(0x1AF4, 0x1041, 0x01, 256)},
    {"0000:03:00.0", {3, 0, 0}, Image(0x8086, 0x10D3, 0x00, 48)},
};

std::string DumpPath()
{
    return WriteDump("bus.dump", kDumped);
}

BusUnderTest OfTheDump(std::unique_ptr<PciBus> bus)
{
    BusUnderTest test{std::move(bus), {}, {}};
    for (int n : {3, 1, 0, 5, 4}) {
        test.listed.push_back(kDumped[n].address);
        test.bytes.push_back(kDumped[n].bytes);
    }
    return test;
}

using Factory = BusUnderTest (*)();

const std::pair<const char*, Factory> kBuses[] = {
    {"LibpciDump",
        [] {
            return OfTheDump(std::make_unique<HostBus>(
                "dump", HostBus::Parameters{{"dump.name", DumpPath()}}));
        }},
    {"SimulatedCopyOfADump",
        [] {
            std::vector<SimulatedFunction> functions = DumpFile(DumpPath()).Functions();
            std::ranges::reverse(functions);
            return OfTheDump(std::make_unique<SimulatedBus>(functions));
        }},
    {"ThisMachineReadOnly",
        [] {
            BusUnderTest test{std::make_unique<HostBus>(), {}, {}};
            for (const SysfsFunction& function : ListSysfsFunctions())
                test.listed.push_back(function.address);
            return test;
        }},
};

class PciBusInterface : public testing::TestWithParam<std::pair<const char*, Factory>> {};

} // namespace

TEST_P(PciBusInterface, ListsEachFunctionOnceInOrderWithRecordsThatAgreeWithItsBytes)
{
    const BusUnderTest test = GetParam().second();
    PciBus& bus = *test.bus;
    pci_info info;
    for (size_t n = 0; n < test.listed.size(); ++n) {
        ASSERT_EQ(bus.GetNthInfo(int32(n), &info), B_OK);
        const PciAddress at{info.bus, info.device, info.function};
        ASSERT_EQ(at, test.listed[n]) << "function " << n;
        const auto read = [&](int32 offset, int32 size) {
            return bus.Read(at.bus, at.device, at.function, offset, size);
        };
        EXPECT_EQ(read(config::kVendorId, 4), uint32(info.device_id) << 16 | info.vendor_id);
        EXPECT_EQ(read(config::kClassBase, 1), info.class_base);
        EXPECT_EQ(read(config::kHeaderType, 1), info.header_type);
        if ((info.header_type & config::kLayoutMask) == config::kGeneralLayout)
            EXPECT_EQ(read(config::kSubsystemVendorId, 4), uint32(info.u.h0.subsystem_id) << 16 | info.u.h0.subsystem_vendor_id);
        for (int32 offset = 0; n < test.bytes.size() && offset < config::kSpaceSize; ++offset) {
            const std::vector<uint8>& held = test.bytes[n];
            ASSERT_EQ(read(offset, 1), size_t(offset) < held.size() ? held[offset] : 0xFFu)
                << "function " << n << " offset " << offset;
        }
    }
    EXPECT_NE(bus.GetNthInfo(int32(test.listed.size()), &info), B_OK);
    const PciAddress absent{0xFE, 0x1F, 7};
    EXPECT_TRUE(std::ranges::find(test.listed, absent) != test.listed.end()
        || bus.Read(absent.bus, absent.device, absent.function, 0, 4) == 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(EveryBus, PciBusInterface, testing::ValuesIn(kBuses),
    [](const auto& param) { return std::string(param.param.first); });

// A dump is never written; one whose first function holds only 64 bytes was taken without root.
TEST(HostBusOnADump, ReachIsReadOnlyOrTheFirst64BytesAndAnUnknownMethodListsNothing)
{
    EXPECT_EQ(DumpFile(DumpPath()).MachineName(), "bus.dump, simulated");
    EXPECT_EQ(HostBus("dump", {{"dump.name", DumpPath()}}).Reach(), PCI_REACH_READ_ONLY);
    const std::string first64 = WriteDump("first-64.dump", {kDumped[0]});
    EXPECT_EQ(HostBus("dump", {{"dump.name", first64}}).Reach(), PCI_REACH_FIRST_64_BYTES);
    pci_info info;
    EXPECT_NE(HostBus("no-such-method", {}).GetNthInfo(0, &info), B_OK);
}
