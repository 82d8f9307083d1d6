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

#include <array>
#include <cstring>
#include <map>

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

// Every view of both layouts where the window must place it, and in its colour: the name views
// blue, the version green. On no line do two texts run into each other, every value at its
// widest but a bridge's ROM and prefetchable upper half, which are 0 or a few digits in
// practice: at eight digits they reach the label 45 units after their start.
TEST_F(DeviceWindowTest, EveryRowOfBothLayoutsStandsOnItsOwnLineAtItsPlace)
{
    pci_info widest;
    std::memset(&widest, 0xFF, sizeof(widest));
    std::tie(widest.vendor_id, widest.class_base, widest.class_sub, widest.header_type) =
        std::tuple(0x104C, 6, 4, 0);
    pci_info bridge = widest;
    std::tie(bridge.header_type, bridge.u.h1.rom_base,
             bridge.u.h1.prefetchable_memory_base_upper32) = std::tuple(1, 0, 0x3F);
    Open({widest, bridge});
    // Left and right edges of the label and the value view, by kind of line.
    const std::map<char, std::array<float, 4>> edges = {
        {'S', {15, 80, 85, 300}},   {'M', {110, 200, 180, 250}}, {'R', {205, 300, 275, 350}},
        {'L', {15, 100, 100, 300}}, {'l', {155, 300, 240, 350}}, {'B', {15, 100, 105, 300}},
        {'b', {150, 300, 240, 300}}};
    const std::string kinds = "SSSMRSMSSSMRS"
                              "LLLlLLLLLLlLl"
                              "BBBBBBbBbBbBbBbBbBbBbBbB";
    const float tops[] = {40,  52,  64,  64,  64,  76,  76,  91,  103, 118, 118, 118, 130,
                          150, 162, 174, 174, 186, 198, 210, 222, 234, 246, 246, 258, 258,
                          150, 162, 174, 186, 198, 210, 210, 222, 222, 234, 234, 246, 246,
                          258, 258, 270, 270, 282, 282, 294, 294, 306, 306, 318};
    const std::map<size_t, std::array<float, 2>> names = {
        {0, {118, 350}}, {7, {105, 300}}, {8, {105, 300}}, {14, {130, 350}}};
    int32 child = 3; // after the version, Edit and the menu
    const auto expectNextAt = [&](float left, float right, float top) {
        const BRect f = window->ChildAt(child++)->Frame();
        EXPECT_EQ((std::array{f.left, f.right, f.top, f.bottom}),
                  (std::array{left, right, top, top + 10}));
    };
    for (size_t row = 0; row < kinds.size(); ++row) {
        if (const auto name = names.find(row); name != names.end()) {
            EXPECT_EQ(window->ChildAt(child)->HighColor(), (rgb_color{25, 25, 150, 255}));
            expectNextAt(name->second[0], name->second[1], tops[row]);
        }
        const auto [labelLeft, labelRight, valueLeft, valueRight] = edges.at(kinds[row]);
        expectNextAt(labelLeft, labelRight, tops[row]);
        expectNextAt(valueLeft, valueRight, tops[row]);
    }
    EXPECT_EQ(child, window->CountChildren());
    EXPECT_EQ(window->FindView("version")->HighColor(), (rgb_color{25, 150, 25, 255}));
    const auto textEnd = [](BStringView* view) {
        BFont font;
        view->GetFont(&font);
        return view->Frame().left + font.StringWidth(view->Text());
    };
    for (int32 device : {0, 1}) {
        Choose(device);
        const std::vector<BStringView*> shown = ShownTexts(window);
        for (BStringView* view : shown)
            for (BStringView* next : shown)
                EXPECT_TRUE(view->Frame().top != next->Frame().top
                            || view->Frame().left >= next->Frame().left
                            || textEnd(view) < next->Frame().left)
                    << view->Text() << " runs into " << next->Text();
    }
}
