#include "PCI.h"
#include "PciAddress.h"
#include "PciBusSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>
#include <vector>

// Reads this machine's functions through the default host bus and holds them against the
// kernel's own view in sysfs. It never writes.

namespace {

namespace fs = std::filesystem;

struct SysfsFunction {
    unsigned domain;
    PciAddress address;
    fs::path directory;
};

// Listed as the host bus must list them: by domain, then address, each address once.
std::vector<SysfsFunction> SysfsFunctions()
{
    std::vector<SysfsFunction> all;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/sys/bus/pci/devices", error)) {
        unsigned domain, bus, device, function;
        if (std::sscanf(entry.path().filename().c_str(), "%x:%x:%x.%x", &domain, &bus, &device,
                &function) == 4)
            all.push_back({domain, {uint8(bus), uint8(device), uint8(function)}, entry.path()});
    }
    std::ranges::sort(
        all, {}, [](const SysfsFunction& f) { return std::tie(f.domain, f.address); });
    std::vector<SysfsFunction> listed;
    std::set<PciAddress> seen;
    std::ranges::copy_if(all, std::back_inserter(listed),
        [&](const SysfsFunction& f) { return seen.insert(f.address).second; });
    return listed;
}

// As much of the first 256 bytes as this user may read: 64 without root.
std::vector<uint8> ConfigBytes(const fs::path& directory)
{
    std::ifstream file(directory / "config", std::ios::binary);
    std::vector<uint8> bytes(256);
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    bytes.resize(size_t(file.gcount()));
    return bytes;
}

}  // namespace

TEST(HostBusSysfs, ReadsWhatTheKernelShows)
{
    const std::vector<SysfsFunction> functions = SysfsFunctions();
    if (functions.empty())
        GTEST_SKIP() << "no PCI functions visible";
    InstallPciBus(nullptr);

    for (int32 n = 0; n < int32(functions.size()); ++n) {
        const SysfsFunction& function = functions[n];
        const PciAddress address = function.address;
        SCOPED_TRACE(function.directory.string());
        pci_info info;
        ASSERT_EQ(get_nth_pci_info(n, &info), B_OK);
        EXPECT_EQ((PciAddress{info.bus, info.device, info.function}), address);

        const std::vector<uint8> bytes = ConfigBytes(function.directory);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(info.vendor_id, bytes[0] | bytes[1] << 8);
        EXPECT_EQ(info.device_id, bytes[2] | bytes[3] << 8);
        for (int32 offset = 0; offset < 256; ++offset) {
            // Past what this user may read, libpci's read fails: all ones.
            const uint32 readable = size_t(offset) < bytes.size() ? bytes[offset] : 0xFF;
            EXPECT_EQ(read_pci_config(address.bus, address.device, address.function, offset, 1),
                readable) << "offset " << offset;
        }
    }
    pci_info info;
    EXPECT_NE(get_nth_pci_info(int32(functions.size()), &info), B_OK);
}
