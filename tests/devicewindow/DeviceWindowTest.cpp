// The device window as a person reads it: each line's label, values and names, which rows a
// function's layout brings, the window's height, and the menu of functions.

#include "DeviceLines.h"
#include "KitTestSupport.h"
#include "RecordBus.h"
#include "Screenshots.h"

#include <Menu.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <PciWindow.h>

#include <gtest/gtest.h>

namespace {

pci_info Record(uint16 vendor, uint8 classBase, uint8 classSub, uint8 headerType)
{
    pci_info r{};
    std::tie(r.vendor_id, r.class_base, r.class_sub, r.header_type) =
        std::tuple(vendor, classBase, classSub, headerType);
    return r;
}

pci_info NetworkCard(uint8 headerType = 0)
{
    pci_info r = Record(0x8086, 2, 0, headerType);
    std::tie(r.device_id, r.device, r.function) = std::tuple(0x100E, 0x1F, 3);
    auto& h0 = r.u.h0;
    std::tie(h0.cardbus_cis, h0.subsystem_vendor_id, h0.interrupt_line) =
        std::tuple(0xDEADBEEF, 0x1043, 11);
    h0.base_registers[0] = 0xFEBC0000;
    return r;
}

pci_info Bridge(uint8 headerType)
{
    pci_info r = Record(0x104C, 6, 4, headerType);
    std::tie(r.u.h1.base_registers[0], r.u.h1.secondary_bus, r.u.h1.subordinate_bus) =
        std::tuple(0xF0000000, 2, 5);
    return r;
}

class DeviceWindowTest : public testing::Test {
protected:
    void Open(std::vector<pci_info> records)
    {
        bus = std::make_unique<RecordBus>(std::move(records));
        (window = new PciWindow(BRect(100, 80, 400, 360)))->Show();
    }
    void TearDown() override
    {
        Step([&] { window->Quit(); });
    }
    // Picks a device in the menu as a person does.
    void Choose(int32 index)
    {
        Step([&] { kittest::ChooseMenuItem(Menu(), index); });
    }
    BMenuField* Menu() const { return kittest::FindView<BMenuField>(window, "devicemenu"); }
    std::string Line(const char* label) const { return LineOf(window, label); }
    float Height() const { return window->Bounds().Height(); }

    std::unique_ptr<RecordBus> bus;
    PciWindow* window = nullptr;
};

} // namespace

// An ordinary function reads in hex with its names and no CardBus CIS; the layout bits choose
// the rows, and only a change of rows resizes.
TEST_F(DeviceWindowTest, FunctionsReadInHexWithTheirNamesInTheRowsTheirLayoutBitsChoose)
{
    Open({NetworkCard(), Bridge(1), Bridge(0x81), NetworkCard(0x80), Bridge(2)});
    ScreenshotIfAsked({window}, "device-window-type0");
    EXPECT_EQ(Line("Vendor ID"), "Vendor ID 8086 Intel");
    EXPECT_EQ(Line("Bus"), "Bus 0 Device 1F Function 3");
    EXPECT_EQ(Line("Class base"), "Class base 2 network");
    EXPECT_EQ(Line("Sub. Vend. ID"), "Sub. Vend. ID 1043 Asustek");
    EXPECT_EQ(Line("Base Registers"), "Base Registers FEBC0000 0 0 0 0 0");
    EXPECT_EQ(Line("Interrupt Line"), "Interrupt Line B Interrupt pin 0");
    EXPECT_EQ(Line("CardBus CIS") + Line("DEADBEEF"), "");
    EXPECT_EQ(Height(), 280);
    // A right click on a value or a name copies it, whichever view lies on top there.
    EXPECT_EQ(kittest::CopyWithContextMenuAt(window, 87, 45) + " "
                  + kittest::CopyWithContextMenuAt(window, 120, 45),
              "8086 Intel");

    Choose(1);
    ScreenshotIfAsked({window}, "device-window-bridge");
    EXPECT_EQ(Height(), 340);
    EXPECT_EQ(Line("Vendor ID"), "Vendor ID 104C TI");
    EXPECT_EQ(Line("Base Registers"), "Base Registers F0000000  0");
    EXPECT_EQ(Line("Secondary Bus"), "Secondary Bus 2 Subordinate Bus 5");
    EXPECT_EQ(Line("Subsystem ID") + Line("Asustek"), "");

    // One function of several (0x81, 0x80) keeps the rows of its layout.
    Choose(2);
    EXPECT_EQ(Height(), 340);
    EXPECT_EQ(Line("Header type"), "Header type 81");
    EXPECT_EQ(Line("Secondary Bus"), "Secondary Bus 2 Subordinate Bus 5");
    Choose(3);
    EXPECT_EQ(Height(), 280);
    EXPECT_EQ(Line("Sub. Vend. ID"), "Sub. Vend. ID 1043 Asustek");
    EXPECT_EQ(Line("Secondary Bus"), "");
    // A CardBus bridge shows only what its header holds at a bridge's offsets.
    Choose(4);
    EXPECT_EQ(Height(), 340);
    EXPECT_EQ(Line("Base Registers") + " | " + Line("Secondary Bus") + " | " + Line("IO Base"),
              "Base Registers | Secondary Bus 2 Subordinate Bus 5 | IO Base IO Limit");
}

TEST_F(DeviceWindowTest, TheMenuOffersEveryFunctionAndOtherCodesSelectNothing)
{
    // More than a byte can index: the table of functions has no bound.
    std::vector<pci_info> records(300, Record(0x8086, 2, 0, 0));
    records[0] = NetworkCard();
    Open(records);
    EXPECT_EQ(Menu()->Label() + std::string(Menu()->MenuLabel()), "PCI index : 0");
    ASSERT_EQ(Menu()->Menu()->CountItems(), 300);
    for (int32 i = 0; i < 300; ++i) {
        EXPECT_EQ(Menu()->Menu()->ItemAt(i)->Label(), std::to_string(i));
        EXPECT_EQ(Menu()->Menu()->ItemAt(i)->Command(), uint32(i));
    }
    for (uint32 code : {300u, 0xFFFFFFFFu}) {
        Step([&] { window->PostMessage(code); });
        EXPECT_EQ(Line("Device ID"), "Device ID 100E") << code;
    }
}
