// Every byte and value explained as a person meets it: tooltips over the device window's values
// and the editor's cells, the device menu naming each function, and the grid's context menu
// going to a capability; the rows themselves stay as they are.

#include "ProgramDriver.h"
#include "StandardMachineFunctions.h"

#include <Menu.h>
#include <SimulatedMachines.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

constexpr const char* kWrites = "Writes\xE2\x80\xA6";

class ExplanationsTest : public testing::Test, public ProgramDriver {
protected:
    ExplanationsTest() : ProgramDriver(StandardMachine()) {}

    // The tooltip over the middle of the value shown right of label, where the empty views of
    // the other layout lie over it.
    std::string ValueTip(const char* label) const
    {
        const BStringView* name = TextView(label, nullptr);
        const BStringView* value = name != nullptr ? TextView(nullptr, name) : nullptr;
        if (value == nullptr)
            return "no value right of " + std::string(label);
        BFont font;
        value->GetFont(&font);
        const BRect at = value->Frame();
        return kittest::ToolTipAt(DeviceWindow(), at.left + font.StringWidth(value->Text()) / 2,
                                  (at.top + at.bottom) / 2);
    }
    // The view showing text, or the first showing any text right of the view after on its line.
    const BStringView* TextView(const char* text, const BStringView* after) const
    {
        const BStringView* found = nullptr;
        for (int32 i = 0; i < DeviceWindow()->CountChildren(); ++i) {
            auto* view = dynamic_cast<BStringView*>(DeviceWindow()->ChildAt(i));
            if (view == nullptr || *view->Text() == '\0')
                continue;
            const BRect at = view->Frame();
            if (after == nullptr ? std::string(view->Text()) == text
                                 : at.top == after->Frame().top && at.left > after->Frame().left
                                       && (found == nullptr || at.left < found->Frame().left))
                found = view;
        }
        return found;
    }
    std::string CellTip(int offset) const
    {
        const BRect at = CellsOf(Editor()).at(offset)->Frame();
        return kittest::ToolTipAt(Editor(), (at.left + at.right) / 2, (at.top + at.bottom) / 2);
    }
};

} // namespace

// Names come from the system's PCI ID database, so the checks hold names that have stood in it
// for decades.
TEST_F(ExplanationsTest, TheDeviceWindowsValuesExplainThemselvesAndItsMenuNamesEachFunction)
{
    PickDevice(kNicIndex);
    EXPECT_EQ(ValueTip("Vendor ID"), "Intel Corporation");
    EXPECT_EQ(ValueTip("Bus"), "At 0000:00:0b.0");
    EXPECT_EQ(ValueTip("Interrupt Line"), "IRQ 10");
    EXPECT_EQ(ValueTip("Base Registers"),
              "Region 0: Memory at e7000000 (32-bit, non-prefetchable) [size=4K]\n"
              "Region 1: I/O ports at d000 [size=64]\n"
              "Region 2: Memory at e6800000 (32-bit, non-prefetchable) [size=1M]");
    PickDevice(kAgpBridgeIndex);
    EXPECT_EQ(ValueTip("IO Base"),
              "I/O behind bridge: c000-cfff [size=4K] [16-bit]\n"
              "Memory behind bridge: e4000000-e5ffffff [size=32M] [32-bit]\n"
              "Prefetchable memory behind bridge: d8000000-dfffffff [size=128M] [32-bit]");
    EXPECT_THAT(ValueTip("Bridge Control"), HasSubstr(" VGA+ "));
    const std::vector<std::string> menu = kittest::MenuTexts(DeviceMenu()->Menu());
    ASSERT_EQ(menu.size(), 11u);
    EXPECT_THAT(menu[3], testing::AllOf(testing::StartsWith("3"), HasSubstr("0000:00:07.1"),
                                        testing::EndsWith("82371AB/EB/MB PIIX4 IDE")));
    EXPECT_THAT(menu[10], HasSubstr("0001:00:00.0"));
    EXPECT_STREQ(DeviceMenu()->MenuLabel(), "1");
}

// In a locked grid the byte gone to is marked; in an unlocked one it takes the focus.
TEST_F(ExplanationsTest, CellsExplainThemselvesAndTheGridsContextMenuGoesToACapability)
{
    PickDevice(kExpressIndex);
    PressEdit();
    EXPECT_EQ(CellTip(1), "0x00 Vendor ID - type 0 header\nread-only, bytes 0x00-0x01\n0x8086\n"
                          "Intel Corporation");
    EXPECT_THAT(CellTip(0xF2), testing::StartsWith("0xF2 Link Status - PCI Express capability at "
                                                   "0xE0\nread-only (bits 0-9, 11-13), reserved "
                                                   "(bit 10), write 1 to clear (bits 14-15)"));
    const BRect cell = CellsOf(Editor())[5]->Frame();
    EXPECT_THAT(kittest::ContextMenuAt(Editor(), cell.left + 2, cell.top + 2),
                ElementsAre(kWrites, "", "0C8  Power Management", "0D0  MSI", "0E0  PCI Express",
                            "0A0  MSI-X", "100  Advanced Error Reporting",
                            "140  Device Serial Number"));
    Step([] { kittest::ChooseFromOpenMenu(6); });
    EXPECT_EQ(CellText(Editor(), 0), "1");
    EXPECT_TRUE(kittest::IsMarked(CellsOf(Editor())[0]));
    EXPECT_THAT(CellTip(4), testing::StartsWith("0x104 Uncorrectable Error Status - Advanced Error "
                                                "Reporting extended capability at 0x100\nwrite 1 "
                                                "to clear"));

    ToggleReadOnly();
    kittest::ContextMenuAt(Editor(), cell.left + 2, cell.top + 2);
    Step([] { kittest::ChooseFromOpenMenu(4); });
    EXPECT_FALSE(kittest::IsMarked(CellsOf(Editor())[0]));
    EXPECT_EQ(Editor()->CurrentFocus(), CellsOf(Editor())[0xE0]);

    PickDevice(kNicIndex);
    EXPECT_THAT(kittest::ContextMenuAt(Editor(), cell.left + 2, cell.top + 2),
                ElementsAre(kWrites, "", "No capabilities"));
    Step([] { kittest::ChooseFromOpenMenu(2); });
}
