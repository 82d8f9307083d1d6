// Every bus the program can be given answers alike through the calls: each function of every
// domain listed once in order, under an address of its own, with its real location, its size
// and bytes that agree with its record; all ones past its space and where no function is.
// This machine's bus is only ever read.

#include "DumpWriter.h"
#include "HostBus.h"
#include "SysfsFunction.h"

#include <ConfigRegisters.h>
#include <DumpFile.h>
#include <FunctionIndex.h>
#include <PCI.h>
#include <PciBusSelection.h>
#include <SimulatedBus.h>

#include <algorithm>

using namespace config;

namespace {

// A function as the calls must show it: where it really is, the address they name it by and
// the bytes it holds (none where the test does not know them).
struct Expected {
    PciLocation location;
    PciAddress address;
    std::vector<uint8> bytes;
};

// Out of order; 0001:00:00.0 repeats 00:00.0 of domain 0 and is reached under the first bus
// number no domain uses; 0001:05 keeps its own. One function has the extended space, one is
// shorter than a header, one holds only what a user without root sees.
const std::vector<DumpedFunction> kDumped = {{"0000:02:00.0", Image(0x10EC, 0x8168, 0, 64)},
                                             {"0000:00:1f.3", Image(0x8086, 0xA348, 0, 256)},
                                             {"0001:00:00.0", Image(0x1022, 0x1480, 0, 4096)},
                                             {"00:00.0", Image(0x8086, 0x3E30, 0x80, 256)},
                                             {"0001:05:00.0", Image(0x1AF4, 0x1041, 1, 256)},
                                             {"0000:03:00.0", Image(0x8086, 0x10D3, 0, 48)}};
const std::vector<Expected> kListed = {
    {PciAddress{0, 0, 0}, {0, 0, 0}, kDumped[3].bytes},
    {PciAddress{0, 0x1F, 3}, {0, 0x1F, 3}, kDumped[1].bytes},
    {PciAddress{2, 0, 0}, {2, 0, 0}, kDumped[0].bytes},
    {PciAddress{3, 0, 0}, {3, 0, 0}, kDumped[5].bytes},
    {PciLocation(PciAddress{0, 0, 0}, 1), {1, 0, 0}, kDumped[2].bytes},
    {PciLocation(PciAddress{5, 0, 0}, 1), {5, 0, 0}, kDumped[4].bytes}};

std::string DumpPath() { return WriteDump("bus.dump", kDumped); }

struct BusUnderTest {
    std::unique_ptr<PciBus> bus;
    std::vector<Expected> listed;
};

// This machine's functions as sysfs shows them, with the bytes its config files give this
// user: all of them as root, the first 64 otherwise.
BusUnderTest ThisMachine()
{
    const std::vector<SysfsFunction> functions = ListSysfsFunctions();
    std::vector<PciLocation> locations;
    for (const SysfsFunction& function : functions)
        locations.push_back(function.location);
    const FunctionIndex index(locations);
    BusUnderTest test{std::make_unique<HostBus>(), {}};
    for (size_t n = 0; n < index.Count(); ++n)
        test.listed.push_back(
            {index[n].location, index[n].address, ReadConfig(functions[index[n].source])});
    return test;
}

using Factory = BusUnderTest (*)();
const std::pair<const char*, Factory> kBuses[] = {
    {"LibpciDump",
     [] {
         return BusUnderTest{
             std::make_unique<HostBus>("dump", HostBus::Parameters{{"dump.name", DumpPath()}}),
             kListed};
     }},
    {"SimulatedCopyOfADump",
     [] {
         std::vector<SimulatedFunction> functions = DumpFile(DumpPath()).TakeFunctions();
         std::ranges::reverse(functions);
         return BusUnderTest{std::make_unique<SimulatedBus>(std::move(functions)), kListed};
     }},
    {"ThisMachineReadOnly", ThisMachine},
};

class PciBusInterface : public testing::TestWithParam<std::pair<const char*, Factory>> {};

} // namespace

TEST_P(PciBusInterface, ListsEveryFunctionOnceUnderItsOwnAddressWithBytesThatAgreeWithItsRecord)
{
    const BusUnderTest test = GetParam().second();
    InstallPciBus(test.bus.get());
    pci_info info;
    for (size_t n = 0; n < test.listed.size(); ++n) {
        SCOPED_TRACE("function " + std::to_string(n));
        const Expected& expected = test.listed[n];
        ASSERT_EQ(get_nth_pci_info(int32(n), &info), B_OK);
        const PciAddress at{info.bus, info.device, info.function};
        ASSERT_EQ(at, expected.address);
        pci_location location{};
        ASSERT_EQ(get_pci_location(at.bus, at.device, at.function, &location), B_OK);
        EXPECT_EQ(PciLocation(PciAddress{location.bus, location.device, location.function},
                              location.domain),
                  expected.location);
        const auto read = [&](int32 offset, int32 size) {
            return read_pci_config(at.bus, at.device, at.function, offset, size);
        };
        EXPECT_EQ(read(kVendorId, 4), uint32(info.device_id) << 16 | info.vendor_id);
        EXPECT_EQ(read(kClassBase, 1) << 8 | read(kHeaderType, 1),
                  uint32(info.class_base << 8 | info.header_type));
        if ((info.header_type & kLayoutMask) == kGeneralLayout) {
            EXPECT_EQ(read(kSubsystemVendorId, 4),
                      uint32(info.u.h0.subsystem_id) << 16 | info.u.h0.subsystem_vendor_id);
        }
        const std::vector<uint8>& held = expected.bytes;
        const int32 size = held.size() > size_t(kSpaceSize) ? kExtendedSpaceSize : kSpaceSize;
        EXPECT_EQ(get_pci_config_size(at.bus, at.device, at.function), size);
        for (int32 offset = 0; offset < size; ++offset)
            ASSERT_EQ(read(offset, 1), size_t(offset) < held.size() ? held[offset] : 0xFFu)
                << "at " << offset;
        EXPECT_EQ(read(size, 4), 0xFFFFFFFFu);
        EXPECT_EQ(read(size, 1), 0xFFu);
    }
    EXPECT_NE(get_nth_pci_info(int32(test.listed.size()), &info), B_OK);
    const PciAddress absent{0xFE, 0x1F, 7};
    EXPECT_EQ(read_pci_config(absent.bus, absent.device, absent.function, 0, 4), 0xFFFFFFFFu);
    pci_location nowhere{};
    EXPECT_NE(get_pci_location(absent.bus, absent.device, absent.function, &nowhere), B_OK);
    InstallPciBus(nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryBus, PciBusInterface, testing::ValuesIn(kBuses),
                         [](const auto& param) { return std::string(param.param.first); });

// A dump is never written; one whose first function holds only 64 bytes was taken without root.
TEST(HostBusOnADump, ReachIsReadOnlyOrTheFirst64BytesAndAnUnknownMethodListsNothing)
{
    EXPECT_EQ(DumpFile(DumpPath()).MachineName(),
              std::to_string(getpid()) + "-bus.dump, simulated");
    EXPECT_EQ(HostBus("dump", {{"dump.name", DumpPath()}}).Reach(), PCI_REACH_READ_ONLY);
    EXPECT_EQ(HostBus("dump", {{"dump.name", WriteDump("first-64.dump", {kDumped[0]})}}).Reach(),
              PCI_REACH_FIRST_64_BYTES);
    pci_info info;
    EXPECT_NE(HostBus("no-such-method", {}).GetNthInfo(0, &info), B_OK);
}
