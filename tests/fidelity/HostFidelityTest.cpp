// What the program takes from this machine's bus beside the kernel's own view in sysfs, through
// the calls the windows make: every byte of each function's space against its config file (all
// of them as root; as a user the first 64, the rest reading FF), its interrupt line against
// the irq file, its base address registers and ROM against the resource file. Nothing is ever
// written.

#include "EditorViews.h"
#include "KitTestSupport.h"
#include "SysfsFunction.h"

#include <ConfigRegisters.h>
#include <EditWindow.h>
#include <PCI.h>

#include <gtest/gtest.h>

namespace {

using namespace config;

// Where the host sees each base address register: a 64-bit address fills its register pair,
// low half first. Sizes and addresses keep their low 32 bits, as the record's fields do.
template <size_t N>
void ExpectRegisters(const uint32 (&addresses)[N], const uint32 (&sizes)[N],
                     const std::vector<SysfsResource>& resources)
{
    for (size_t i = 0; i < N; ++i) {
        EXPECT_EQ(addresses[i], uint32(resources[i].start)) << "register " << i;
        EXPECT_EQ(sizes[i], uint32(resources[i].Size())) << "register " << i;
        if (resources[i].Is64BitMemory() && i + 1 < N) {
            EXPECT_EQ(addresses[i + 1], uint32(resources[i].start >> 32)) << "register " << i;
            ++i;
        }
    }
}

} // namespace

// Where sysfs shows no function (without-sysfs.sh hides it), none may be listed either,
// whatever /proc still shows. This machine has one domain, so the calls name each function by
// its own address.
TEST(HostFidelity, BytesInterruptLinesAndRecordsHoldTheKernelsView)
{
    const std::vector<SysfsFunction> functions = ListSysfsFunctions();
    pci_info info{};
    for (size_t n = 0; n < functions.size(); ++n) {
        SCOPED_TRACE(functions[n].directory.string());
        ASSERT_EQ(get_nth_pci_info(int32(n), &info), B_OK);
        const PciAddress at = functions[n].location.address;
        ASSERT_EQ((PciAddress{info.bus, info.device, info.function}), at);
        const std::vector<uint8_t> config = ReadConfig(functions[n]);
        const int32 size = get_pci_config_size(at.bus, at.device, at.function);
        EXPECT_EQ(size, config.size() > 256 ? 4096 : 256);
        for (int32 offset = 0; offset < size; ++offset)
            ASSERT_EQ(read_pci_config(at.bus, at.device, at.function, offset, 1),
                      size_t(offset) < config.size() ? config[offset] : 0xFFu)
                << "at " << offset;
        const uint8 line = (info.header_type & kLayoutMask) == kGeneralLayout
                               ? info.u.h0.interrupt_line
                               : info.u.h1.interrupt_line;
        const unsigned irq = ReadIrq(functions[n]);
        EXPECT_EQ(line, irq > 0 && irq <= 0xFF ? irq : config.at(kInterruptLine));
        const std::vector<SysfsResource> resources = ReadResources(functions[n]);
        ASSERT_GT(resources.size(), 6u);
        const uint32 romBase = uint32(resources[6].start) & kRomAddressMask;
        if ((info.header_type & kLayoutMask) == kGeneralLayout) {
            ExpectRegisters(info.u.h0.base_registers, info.u.h0.base_register_sizes, resources);
            EXPECT_EQ(std::pair(info.u.h0.rom_base, info.u.h0.rom_size),
                      std::pair(romBase, uint32(resources[6].Size())));
        } else if ((info.header_type & kLayoutMask) == kBridgeLayout) {
            ExpectRegisters(info.u.h1.base_registers, info.u.h1.base_register_sizes, resources);
            EXPECT_EQ(info.u.h1.rom_base, romBase);
        }
    }
    EXPECT_NE(get_nth_pci_info(int32(functions.size()), &info), B_OK);
}

// The editor reads through its own thread what the calls read: every cell of every page it
// offers is the config file's byte, FF where this user may not read.
TEST(HostFidelity, TheEditorsCellsShowTheConfigFilesBytesOnEveryPage)
{
    for (const SysfsFunction& function : ListSysfsFunctions()) {
        SCOPED_TRACE(function.directory.string());
        const PciAddress at = function.location.address;
        const std::vector<uint8_t> config = ReadConfig(function);
        auto* editor = new EditWindow(BRect(280, 150, 610, 380), at.bus, at.device, at.function);
        editor->Show();
        const int pages = config.size() > 256 ? 16 : 1;
        for (int page = 0; page < pages; ++page) {
            Step([&] {
                if (page > 0)
                    kittest::PressKey(editor, B_PAGE_DOWN);
            });
            for (int cell = 0; cell < 256; ++cell) {
                const size_t offset = size_t(page * 256 + cell);
                ASSERT_EQ(CellText(editor, cell),
                          HexText(offset < config.size() ? config[offset] : 0xFF))
                    << "at " << offset;
            }
        }
        Step([&] { editor->Quit(); });
    }
}
