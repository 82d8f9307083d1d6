#include "DeviceWindowViews.h"
#include "KitTestSupport.h"
#include "RecordBus.h"

#include <Menu.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <PciWindow.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

const BRect kFrame(100, 80, 400, 360);

pci_info NetworkCard()
{
    pci_info r{};
    r.vendor_id = 0x8086;
    r.device_id = 0x100E;
    r.device = 0x1F;
    r.function = 3;
    r.revision = 2;
    r.class_base = 2;
    r.line_size = 0x10;
    r.latency = 0x40;
    auto& h0 = r.u.h0;
    h0.cardbus_cis = 0xDEADBEEF;
    h0.subsystem_id = 0x8301;
    h0.subsystem_vendor_id = 0x1043;
    h0.rom_base = h0.rom_base_pci = 0xFEB80000;
    h0.rom_size = 0x20000;
    const uint32 bars[6] = {0xFEBC0000, 0xC000, 0, 0, 0, 0xFFFFFFFF};
    for (int i = 0; i < 6; ++i)
        h0.base_registers[i] = h0.base_registers_pci[i] = bars[i];
    h0.base_register_sizes[0] = 0x20000;
    h0.base_register_sizes[1] = 0x40;
    h0.base_register_flags[1] = 1;
    h0.base_register_flags[5] = 0xFF;
    h0.interrupt_line = 11;
    h0.interrupt_pin = 1;
    h0.min_grant = 0xFF;
    return r;
}

pci_info CardBusBridge(uint8 headerType)
{
    pci_info r{};
    r.vendor_id = 0x104C;
    r.device_id = 0xAC23;
    r.device = 0x1E;
    r.revision = 0xA2;
    r.class_api = 1;
    r.class_sub = 4;
    r.class_base = 6;
    r.header_type = headerType;
    auto& h1 = r.u.h1;
    h1.base_registers[0] = h1.base_registers_pci[0] = 0xF0000000;
    h1.base_register_sizes[0] = 0x1000;
    h1.base_register_flags[0] = 8;
    h1.secondary_bus = 2;
    h1.subordinate_bus = 5;
    h1.secondary_latency = 0x20;
    h1.secondary_status = 0x22A0;
    h1.io_base = 0xE1;
    h1.io_limit = 0xF1;
    h1.memory_base = 0xFE80;
    h1.memory_limit = 0xFE90;
    h1.prefetchable_memory_base = 0xD001;
    h1.prefetchable_memory_limit = 0xDFF1;
    h1.prefetchable_memory_base_upper32 = 1;
    h1.prefetchable_memory_limit_upper32 = 0xFFFFFFFF;
    h1.io_limit_upper16 = 0x12;
    h1.interrupt_line = 0xFF;
    h1.bridge_control = 0xB;
    return r;
}

pci_info Unnamed(uint8 headerType, uint16 vendor, uint8 classBase, uint8 classSub)
{
    pci_info r{};
    r.vendor_id = vendor;
    r.class_base = classBase;
    r.class_sub = classSub;
    r.header_type = headerType;
    return r;
}

// Picks a device in the menu as a person does and lets the window handle it.
void Choose(PciWindow* window, int32 index)
{
    kittest::ChooseMenuItem(kittest::FindView<BMenuField>(window, "devicemenu"), index);
    kittest::DeliverPostedMessages();
}

class DeviceWindowTest : public testing::Test {
protected:
    PciWindow* Open(std::vector<pci_info> records)
    {
        bus.reset();
        bus = std::make_unique<RecordBus>(std::move(records));
        window = new PciWindow(kFrame);
        window->Show();
        views = CollectViews(window);
        return window;
    }
    void TearDown() override
    {
        if (window != nullptr)
            window->Quit();
        kittest::DeliverPostedMessages();
    }
    std::string Value(int row) const { return views.values[row]->Text(); }
    std::string BridgeValue(int row) const { return views.bridgeValues[row]->Text(); }

    std::unique_ptr<RecordBus> bus;
    PciWindow* window = nullptr;
    DeviceWindowViews views;
};

} // namespace

TEST_F(DeviceWindowTest, AnOrdinaryFunctionShowsEveryFieldInHex)
{
    Open({NetworkCard()});
    const char* expected[ordinary::Count] = {
        "8086", "100E", "0", "1F", "3", "2", "0", "0", "2", "10", "40", "0", "0", nullptr,
        "8301", "1043", "FEB80000", "FEB80000", "20000", "FEBC0000 C000 0 0 0 FFFFFFFF",
        "FEBC0000 C000 0 0 0 FFFFFFFF", "20000 40 0 0 0 0", "0 1 0 0 0 FF", "B", "1", "FF", "0"};
    for (int row = 0; row < ordinary::Count; ++row) {
        if (row != ordinary::CardBusCis) {
            EXPECT_EQ(Value(row), expected[row]) << kOrdinaryRows[row].label;
        }
    }
    EXPECT_STREQ(views.vendorName->Text(), "Intel");
    EXPECT_STREQ(views.subclassName->Text(), "ethernet");
    EXPECT_STREQ(views.className->Text(), "network");
    EXPECT_STREQ(views.subsystemVendorName->Text(), "Asustek");
    for (int row = 0; row < bridge::Count; ++row) {
        EXPECT_STREQ(views.bridgeLabels[row]->Text(), "");
        EXPECT_STREQ(views.bridgeValues[row]->Text(), "");
    }
    EXPECT_EQ(window->Frame(), kFrame);
}

TEST_F(DeviceWindowTest, ABridgeShowsTheBridgeRowsInAWindowSixtyTaller)
{
    Open({CardBusBridge(1)});
    const char* expected[bridge::Count] = {
        "F0000000  0", "F0000000  0", "1000  0", "8  0", "0", "2", "5", "20", "22A0", "E1",
        "F1", "FE80", "FE90", "D001", "DFF1", "1", "FFFFFFFF", "0", "12", "0", "0", "FF", "0", "B"};
    for (int row = 0; row < bridge::Count; ++row) {
        EXPECT_EQ(BridgeValue(row), expected[row]) << kBridgeRows[row].label;
        EXPECT_STREQ(views.bridgeLabels[row]->Text(), kBridgeRows[row].label);
    }
    for (int row = ordinary::kFirstLayoutRow; row < ordinary::Count; ++row) {
        EXPECT_STREQ(views.labels[row]->Text(), "") << kOrdinaryRows[row].label;
        EXPECT_EQ(Value(row), "");
    }
    EXPECT_EQ(Value(0), "104C");
    EXPECT_EQ(Value(12), "1");
    EXPECT_STREQ(views.vendorName->Text(), "TI");
    EXPECT_STREQ(views.subclassName->Text(), "PCI-to-PCI");
    EXPECT_STREQ(views.className->Text(), "bridge");
    EXPECT_STREQ(views.subsystemVendorName->Text(), "");
    EXPECT_EQ(window->Bounds().Height(), 340);
}

TEST_F(DeviceWindowTest, TheLayoutBitsChooseTheRowsAndOnlyAChangeOfRowsResizes)
{
    pci_info multiFunction = NetworkCard();
    multiFunction.header_type = 0x80;
    Open({NetworkCard(), CardBusBridge(1), CardBusBridge(0x81), multiFunction, NetworkCard(),
          CardBusBridge(2)});
    Choose(window, 1);
    EXPECT_EQ(window->Bounds().Height(), 340);
    // A bridge that is one function of several (0x81) keeps the bridge rows: no second growth.
    Choose(window, 2);
    EXPECT_EQ(window->Bounds().Height(), 340);
    EXPECT_STREQ(views.bridgeLabels[0]->Text(), "Base Registers");
    EXPECT_EQ(Value(12), "81");

    // An ordinary function of a multi-function device (0x80) shows its fields under their labels.
    Choose(window, 3);
    EXPECT_EQ(window->Bounds().Height(), 280);
    for (int row = ordinary::kFirstLayoutRow; row < ordinary::Count; ++row)
        EXPECT_STREQ(views.labels[row]->Text(), kOrdinaryRows[row].label);
    EXPECT_STREQ(views.bridgeLabels[23]->Text(), "");
    EXPECT_EQ(BridgeValue(5), "");
    EXPECT_EQ(Value(12), "80");
    EXPECT_EQ(Value(14), "8301");
    EXPECT_EQ(Value(19), "FEBC0000 C000 0 0 0 FFFFFFFF");
    EXPECT_EQ(Value(23), "B");
    EXPECT_STREQ(views.subsystemVendorName->Text(), "Asustek");

    Choose(window, 4);
    EXPECT_EQ(window->Bounds().Height(), 280);
    Choose(window, 5);
    EXPECT_EQ(window->Bounds().Height(), 340);
}

TEST_F(DeviceWindowTest, NamesComeFromTheTablesAndNeverStayFromTheDeviceBefore)
{
    Open({NetworkCard(), Unnamed(0, 0x1234, 0x0E, 0x80), Unnamed(0x80, 0x10DE, 0xFF, 1),
          Unnamed(0, 0x12D2, 0x0D, 9)});
    Choose(window, 1);
    EXPECT_STREQ(views.vendorName->Text(), "");
    EXPECT_STREQ(views.subsystemVendorName->Text(), "");
    EXPECT_STREQ(views.className->Text(), "");
    EXPECT_STREQ(views.subclassName->Text(), "");

    Choose(window, 2);
    EXPECT_STREQ(views.vendorName->Text(), "Nvidia");
    EXPECT_STREQ(views.className->Text(), "undefined");
    EXPECT_STREQ(views.subclassName->Text(), "old");

    Choose(window, 3);
    EXPECT_STREQ(views.vendorName->Text(), "Nvidia/SGS Thompson");
    EXPECT_STREQ(views.className->Text(), "undefined");
    EXPECT_STREQ(views.subclassName->Text(), "");
}

TEST_F(DeviceWindowTest, ViewsStandWhereTheLayoutPutsThem)
{
    Open({NetworkCard()});
    EXPECT_EQ(views.version->Frame(), BRect(270, 6, 300, 20));
    EXPECT_EQ(views.labels[0]->Frame(), BRect(15, 40, 80, 50));
    EXPECT_EQ(views.vendorName->Frame(), BRect(118, 40, 350, 50));
    EXPECT_EQ(views.values[4]->Frame(), BRect(275, 64, 350, 74));
    EXPECT_EQ(views.labels[6]->Frame(), BRect(110, 76, 200, 86));
    EXPECT_EQ(views.subclassName->Frame(), BRect(105, 91, 300, 101));
    EXPECT_EQ(views.className->Frame(), BRect(105, 103, 300, 113));
    EXPECT_EQ(views.values[11]->Frame(), BRect(275, 118, 350, 128));
    EXPECT_EQ(views.labels[12]->Frame(), BRect(15, 130, 80, 140));
    EXPECT_EQ(views.labels[14]->Frame(), BRect(15, 150, 100, 160));
    EXPECT_EQ(views.subsystemVendorName->Frame(), BRect(130, 162, 350, 172));
    EXPECT_EQ(views.values[17]->Frame(), BRect(240, 174, 350, 184));
    EXPECT_EQ(views.labels[26]->Frame(), BRect(155, 258, 300, 268));
    EXPECT_EQ(views.bridgeLabels[0]->Frame(), BRect(15, 150, 100, 160));
    EXPECT_EQ(views.bridgeValues[6]->Frame(), BRect(240, 210, 300, 220));
    EXPECT_EQ(views.bridgeLabels[22]->Frame(), BRect(150, 306, 300, 316));
    EXPECT_EQ(views.bridgeValues[23]->Frame(), BRect(105, 318, 300, 328));
    EXPECT_EQ(views.vendorName->HighColor(), (rgb_color{25, 25, 150, 255}));
    EXPECT_EQ(views.version->HighColor(), (rgb_color{25, 150, 25, 255}));
    EXPECT_EQ(views.values[0]->HighColor(), (rgb_color{0, 0, 0, 255}));
}

TEST_F(DeviceWindowTest, CardBusCisIsNeverShown)
{
    Open({NetworkCard(), CardBusBridge(2)});
    for (int device = 0; device < 2; ++device) {
        Choose(window, device);
        for (int32 i = 0; i < window->CountChildren(); ++i) {
            auto* label = dynamic_cast<BStringView*>(window->ChildAt(i));
            if (label != nullptr) {
                EXPECT_STRNE(label->Text(), "CardBus CIS");
                EXPECT_EQ(std::string(label->Text()).find("DEADBEEF"), std::string::npos);
            }
        }
    }
}

TEST_F(DeviceWindowTest, TheMenuOffersEveryFunctionFoundWithItsIndexAsCode)
{
    for (int count : {0, 3, 40}) {
        std::vector<pci_info> records;
        for (int i = 0; i < count; ++i)
            records.push_back(Unnamed(0, 0x8086, 2, 0));
        Open(records);
        auto* field = kittest::FindView<BMenuField>(window, "devicemenu");
        ASSERT_NE(field, nullptr);
        EXPECT_STREQ(field->Label(), "PCI index : ");
        EXPECT_EQ(field->Alignment(), B_ALIGN_RIGHT);
        EXPECT_STREQ(field->MenuLabel(), "0");
        ASSERT_EQ(field->Menu()->CountItems(), count);
        for (int32 i = 0; i < count; ++i) {
            EXPECT_EQ(std::string(field->Menu()->ItemAt(i)->Label()), std::to_string(i));
            EXPECT_EQ(field->Menu()->ItemAt(i)->Command(), static_cast<uint32>(i));
            EXPECT_FALSE(field->Menu()->ItemAt(i)->IsMarked());
        }
        EXPECT_STREQ(window->Title(), "Pci Zorvane");
        window->Quit();
        window = nullptr;
        kittest::DeliverPostedMessages();
    }
}

TEST_F(DeviceWindowTest, WithoutAnyFunctionTheWindowShowsAnAllZeroRecord)
{
    Open({});
    EXPECT_EQ(Value(0), "0");
    EXPECT_EQ(Value(19), "0 0 0 0 0 0");
    EXPECT_STREQ(views.className->Text(), "old device");
    EXPECT_EQ(window->Bounds().Height(), 280);
}

TEST_F(DeviceWindowTest, CodesThatNameNoFilledEntryAreNoDeviceSelection)
{
    Open({NetworkCard(), CardBusBridge(1)});
    for (uint32 code : {2u, 255u, 256u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        window->PostMessage(code);
        kittest::DeliverPostedMessages();
        EXPECT_EQ(Value(0), "8086") << code;
        EXPECT_EQ(window->Bounds().Height(), 280);
    }
}

TEST_F(DeviceWindowTest, ScreenshotsOfAnOrdinaryFunctionAndABridge)
{
    Open({NetworkCard(), CardBusBridge(1)});
    EXPECT_GT(std::filesystem::file_size(kittest::SaveScreenshot(window, "device-window-type0")), 0u);
    Choose(window, 1);
    EXPECT_GT(std::filesystem::file_size(kittest::SaveScreenshot(window, "device-window-bridge")), 0u);
}
