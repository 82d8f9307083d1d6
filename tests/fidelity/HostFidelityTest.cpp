// What the program takes from this machine's bus, held against the kernel's own view in
// sysfs: the decoded records beside the config, resource and irq files, and the editor's
// cells beside the config file. Nothing is ever written.

#include "SysfsFunction.h"

#include <ConfigRegisters.h>
#include <EditWindow.h>
#include <EditorViews.h>
#include <KitTestSupport.h>
#include <PCI.h>
#include <PciBusSelection.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace config;

std::string Hex(unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%X", value);
    return text;
}

uint16 Word(const std::vector<uint8_t>& bytes, int32 offset)
{
    return uint16(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

// Where the host sees each base address register: a 64-bit address fills its register pair,
// low half first. Sizes and addresses keep their low 32 bits, as the record's fields do.
std::vector<uint32> HostAddresses(const std::vector<SysfsResource>& resources, size_t slots)
{
    std::vector<uint32> addresses(slots);
    for (size_t i = 0; i < slots; ++i) {
        addresses[i] = uint32(resources[i].start);
        if (resources[i].Is64BitMemory() && i + 1 < slots) {
            addresses[i + 1] = uint32(resources[i].start >> 32);
            ++i;
        }
    }
    return addresses;
}

std::vector<uint32> Sizes(const std::vector<SysfsResource>& resources, size_t slots)
{
    std::vector<uint32> sizes(slots);
    for (size_t i = 0; i < slots; ++i)
        sizes[i] = uint32(resources[i].Size());
    return sizes;
}

template <size_t N>
std::vector<uint32> AsVector(const uint32 (&values)[N])
{
    return std::vector<uint32>(values, values + N);
}

constexpr size_t kRomResource = 6;

class HostFidelity : public testing::Test {
protected:
    // Where sysfs shows no function (without-sysfs.sh hides it), none may be listed either,
    // whatever /proc still shows.
    void SetUp() override
    {
        functions = ListSysfsFunctions();
        InstallPciBus(nullptr);
    }

    // The record the program takes for the n-th listed function.
    pci_info RecordOf(size_t n)
    {
        pci_info info{};
        EXPECT_EQ(get_nth_pci_info(int32(n), &info), B_OK);
        EXPECT_EQ((PciAddress{info.bus, info.device, info.function}), functions[n].address);
        return info;
    }

    std::vector<SysfsFunction> functions;
};

TEST_F(HostFidelity, RecordsHoldTheConfigFilesIdentity)
{
    for (size_t n = 0; n < functions.size(); ++n) {
        SCOPED_TRACE(functions[n].directory.string());
        const pci_info info = RecordOf(n);
        const std::vector<uint8_t> bytes = ReadConfigFile(functions[n]);
        ASSERT_GE(bytes.size(), size_t(kHeaderSize));
        EXPECT_EQ(info.vendor_id, Word(bytes, kVendorId));
        EXPECT_EQ(info.device_id, Word(bytes, kDeviceId));
        EXPECT_EQ(info.revision, bytes[kRevision]);
        EXPECT_EQ(info.class_api, bytes[kClassApi]);
        EXPECT_EQ(info.class_sub, bytes[kClassSub]);
        EXPECT_EQ(info.class_base, bytes[kClassBase]);
        EXPECT_EQ(info.header_type, bytes[kHeaderType]);
        if ((info.header_type & kLayoutMask) == kGeneralLayout) {
            EXPECT_EQ(info.u.h0.subsystem_vendor_id, Word(bytes, kSubsystemVendorId));
            EXPECT_EQ(info.u.h0.subsystem_id, Word(bytes, kSubsystemId));
        } else if ((info.header_type & kLayoutMask) == kBridgeLayout) {
            EXPECT_EQ(info.u.h1.primary_bus, bytes[kPrimaryBus]);
            EXPECT_EQ(info.u.h1.secondary_bus, bytes[kSecondaryBus]);
            EXPECT_EQ(info.u.h1.subordinate_bus, bytes[kSubordinateBus]);
        }
    }
    pci_info info;
    EXPECT_NE(get_nth_pci_info(int32(functions.size()), &info), B_OK);
}

TEST_F(HostFidelity, RecordsHoldTheResourceFilesAddressesSizesAndRom)
{
    for (size_t n = 0; n < functions.size(); ++n) {
        SCOPED_TRACE(functions[n].directory.string());
        const pci_info info = RecordOf(n);
        const std::vector<SysfsResource> resources = ReadResources(functions[n]);
        ASSERT_GT(resources.size(), kRomResource);
        const SysfsResource& rom = resources[kRomResource];
        if ((info.header_type & kLayoutMask) == kGeneralLayout) {
            const auto& h0 = info.u.h0;
            EXPECT_EQ(AsVector(h0.base_registers), HostAddresses(resources, 6));
            EXPECT_EQ(AsVector(h0.base_register_sizes), Sizes(resources, 6));
            EXPECT_EQ(h0.rom_base, uint32(rom.start) & kRomAddressMask);
            EXPECT_EQ(h0.rom_size, uint32(rom.Size()));
        } else if ((info.header_type & kLayoutMask) == kBridgeLayout) {
            const auto& h1 = info.u.h1;
            EXPECT_EQ(AsVector(h1.base_registers), HostAddresses(resources, 2));
            EXPECT_EQ(AsVector(h1.base_register_sizes), Sizes(resources, 2));
            EXPECT_EQ(h1.rom_base, uint32(rom.start) & kRomAddressMask);
        }
    }
}

TEST_F(HostFidelity, InterruptLineIsTheRoutedIrqWhereOneFits)
{
    for (size_t n = 0; n < functions.size(); ++n) {
        SCOPED_TRACE(functions[n].directory.string());
        const pci_info info = RecordOf(n);
        const unsigned irq = ReadIrq(functions[n]);
        // No IRQ, or one past what the register holds: the register's own value stands.
        const unsigned expected
            = irq > 0 && irq <= 0xFF ? irq : ReadConfigFile(functions[n]).at(kInterruptLine);
        if ((info.header_type & kLayoutMask) == kGeneralLayout) {
            EXPECT_EQ(info.u.h0.interrupt_line, expected) << "irq " << irq;
        } else if ((info.header_type & kLayoutMask) == kBridgeLayout) {
            EXPECT_EQ(info.u.h1.interrupt_line, expected) << "irq " << irq;
        }
    }
}

// Past what this user may read (64 bytes without root) the cells show FF. A byte that changes
// between two readings of the file is a live register, which no reading can be held to.
TEST_F(HostFidelity, EditorCellsShowTheConfigFile)
{
    for (size_t n = 0; n < functions.size(); ++n) {
        const SysfsFunction& function = functions[n];
        SCOPED_TRACE(function.directory.string());
        const std::vector<uint8_t> before = ReadConfigFile(function);
        auto* editor = new EditWindow(BRect(280, 150, 610, 380), function.address.bus,
            function.address.device, function.address.function);
        const std::vector<DataTextView*> cells = CellsOf(editor);
        const std::vector<uint8_t> after = ReadConfigFile(function);
        ASSERT_EQ(cells.size(), 256u);
        ASSERT_EQ(before.size(), after.size());
        for (size_t offset = 0; offset < cells.size(); ++offset) {
            if (offset >= before.size()) {
                EXPECT_STREQ(cells[offset]->Text(), "FF") << "offset " << offset;
            } else if (before[offset] == after[offset]) {
                EXPECT_EQ(cells[offset]->Text(), Hex(before[offset])) << "offset " << offset;
            }
        }
        editor->Quit();
        kittest::DeliverPostedMessages();
    }
}

}  // namespace
