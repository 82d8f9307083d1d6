#include "PCI.h"
#include "PciAddress.h"
#include "PciBusSelection.h"
#include "SysfsFunction.h"

#include <gtest/gtest.h>

#include <vector>

// Reads this machine's functions through the default host bus and holds them against the
// kernel's own view in sysfs: where sysfs shows none (without-sysfs.sh hides it), the bus
// lists none either, whatever /proc still shows. It never writes.

TEST(HostBusSysfs, ReadsWhatTheKernelShows)
{
    const std::vector<SysfsFunction> functions = ListSysfsFunctions();
    InstallPciBus(nullptr);

    for (int32 n = 0; n < int32(functions.size()); ++n) {
        const SysfsFunction& function = functions[n];
        const PciAddress address = function.address;
        SCOPED_TRACE(function.directory.string());
        pci_info info;
        ASSERT_EQ(get_nth_pci_info(n, &info), B_OK);
        EXPECT_EQ((PciAddress{info.bus, info.device, info.function}), address);

        const std::vector<uint8> bytes = ReadConfigFile(function);
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
