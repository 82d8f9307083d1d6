// Every bus the program can be given answers alike: each function listed once in address
// order, records that agree with the bytes read, all ones where no function is. This
// machine's bus is only ever read.

#include "HostBus.h"
#include "SysfsFunction.h"

#include <ConfigRegisters.h>
#include <DumpFile.h>
#include <PCI.h>
#include <SimulatedBus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iomanip>

using namespace config;

namespace {

// Dump files in the format of `lspci -x`, which libpci's dump method reads, so the PCI code
// can be tested on functions described here instead of on hardware.
struct DumpedFunction {
    std::string location; // [domain:]bus:device.function, as lspci prints it
    PciAddress address;
    std::vector<uint8> bytes;
};

// length bytes in a pattern, with the IDs and the header type in their places.
inline std::vector<uint8> Image(uint16 vendorId, uint16 deviceId, uint8 headerType, size_t length)
{
    std::vector<uint8> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = uint8(i * 7 + vendorId);
    bytes[0] = uint8(vendorId), bytes[1] = uint8(vendorId >> 8);
    bytes[2] = uint8(deviceId), bytes[3] = uint8(deviceId >> 8);
    bytes[0x0E] = headerType;
    return bytes;
}

// Returns the path of the file written under the test's temporary folder.
inline std::string WriteDump(const std::string& name, const std::vector<DumpedFunction>& functions)
{
    const std::string path = testing::TempDir() + name;
    std::ofstream dump(path);
    dump << std::hex << std::setfill('0');
    for (const DumpedFunction& function : functions) {
        dump << function.location << " Unassigned class [ff00]: Test function";
        for (size_t i = 0; i < function.bytes.size(); ++i) {
            if (i % 16 == 0)
                dump << '\n' << std::setw(2) << i << ':';
            dump << ' ' << std::setw(2) << unsigned(function.bytes[i]);
        }
        dump << "\n\n";
    }
    return path;
}

struct BusUnderTest {
    std::unique_ptr<PciBus> bus;
    std::vector<DumpedFunction> listed; // in order; bytes where the test knows them
};

// Out of order; 0001:00:00.0 repeats 00:00.0 of domain 0; the last is shorter than a header.
const std::vector<DumpedFunction> kDumped = {
    {"0000:02:00.0", {2, 0, 0}, Image(0x10EC, 0x8168, 0, 64)},
    {"0000:00:1f.3", {0, 0x1F, 3}, Image(0x8086, 0xA348, 0, 256)},
    {"0001:00:00.0", {0, 0, 0}, Image(0x1022, 0x1480, 0, 256)},
    {"00:00.0", {0, 0, 0}, Image(0x8086, 0x3E30, 0x80, 256)},
    {"0001:05:00.0", {5, 0, 0}, Image(0x1AF4, 0x1041, 1, 256)},
    {"0000:03:00.0", {3, 0, 0}, Image(0x8086, 0x10D3, 0, 48)}};

std::string DumpPath() { return WriteDump("bus.dump", kDumped); }

BusUnderTest OfTheDump(std::unique_ptr<PciBus> bus)
{
    return {std::move(bus), {kDumped[3], kDumped[1], kDumped[0], kDumped[5], kDumped[4]}};
}

using Factory = BusUnderTest (*)();
const std::pair<const char*, Factory> kBuses[] = {
    {"LibpciDump",
     [] {
         return OfTheDump(
             std::make_unique<HostBus>("dump", HostBus::Parameters{{"dump.name", DumpPath()}}));
     }},
    {"SimulatedCopyOfADump",
     [] {
         std::vector<SimulatedFunction> functions = DumpFile(DumpPath()).Functions();
         std::ranges::reverse(functions);
         return OfTheDump(std::make_unique<SimulatedBus>(functions));
     }},
    {"ThisMachineReadOnly",
     [] {
         BusUnderTest test{std::make_unique<HostBus>(), {}};
         for (const SysfsFunction& function : ListSysfsFunctions())
             test.listed.push_back({"", function.address, {}});
         return test;
     }},
};

class PciBusInterface : public testing::TestWithParam<std::pair<const char*, Factory>> {};

} // namespace

TEST_P(PciBusInterface, ListsEachFunctionOnceInOrderWithRecordsThatAgreeWithItsBytes)
{
    const BusUnderTest test = GetParam().second();
    pci_info info;
    for (size_t n = 0; n < test.listed.size(); ++n) {
        ASSERT_EQ(test.bus->GetNthInfo(int32(n), &info), B_OK);
        const PciAddress at{info.bus, info.device, info.function};
        ASSERT_EQ(at, test.listed[n].address) << "function " << n;
        const auto read = [&](int32 offset, int32 size) {
            return test.bus->Read(at.bus, at.device, at.function, offset, size);
        };
        EXPECT_EQ(read(kVendorId, 4), uint32(info.device_id) << 16 | info.vendor_id);
        EXPECT_EQ(read(kClassBase, 1) << 8 | read(kHeaderType, 1),
                  uint32(info.class_base << 8 | info.header_type));
        if ((info.header_type & kLayoutMask) == kGeneralLayout) {
            EXPECT_EQ(read(kSubsystemVendorId, 4),
                      uint32(info.u.h0.subsystem_id) << 16 | info.u.h0.subsystem_vendor_id);
        }
        const std::vector<uint8>& held = test.listed[n].bytes;
        for (int32 offset = 0; !held.empty() && offset < kSpaceSize; ++offset)
            ASSERT_EQ(read(offset, 1), size_t(offset) < held.size() ? held[offset] : 0xFFu)
                << n << " at " << offset;
    }
    EXPECT_NE(test.bus->GetNthInfo(int32(test.listed.size()), &info), B_OK);
    const PciAddress absent{0xFE, 0x1F, 7};
    EXPECT_TRUE(std::ranges::find(test.listed, absent, &DumpedFunction::address)
                    != test.listed.end()
                || test.bus->Read(absent.bus, absent.device, absent.function, 0, 4) == 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(EveryBus, PciBusInterface, testing::ValuesIn(kBuses),
                         [](const auto& param) { return std::string(param.param.first); });

// A dump is never written; one whose first function holds only 64 bytes was taken without root.
TEST(HostBusOnADump, ReachIsReadOnlyOrTheFirst64BytesAndAnUnknownMethodListsNothing)
{
    EXPECT_EQ(DumpFile(DumpPath()).MachineName(), "bus.dump, simulated");
    EXPECT_EQ(HostBus("dump", {{"dump.name", DumpPath()}}).Reach(), PCI_REACH_READ_ONLY);
    EXPECT_EQ(HostBus("dump", {{"dump.name", WriteDump("first-64.dump", {kDumped[0]})}}).Reach(),
              PCI_REACH_FIRST_64_BYTES);
    pci_info info;
    EXPECT_NE(HostBus("no-such-method", {}).GetNthInfo(0, &info), B_OK);
}
