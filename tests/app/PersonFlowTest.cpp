// The program driven as a person drives it, on the simulated machine.

#include "ProgramDriver.h"

#include <EditorOpenFlag.h>
#include <SimulatedMachines.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

const PciAddress kHostBridge{0, 0, 0};
const PciAddress kIde{0, 0x07, 1};
constexpr int32 kIdeIndex = 3;

class PersonFlowTest : public testing::Test, public ProgramDriver {
protected:
    PersonFlowTest() : ProgramDriver(StandardMachine()) {}
};

} // namespace

TEST_F(PersonFlowTest, AByteTypedAndConfirmedIsWrittenOnceAndReadBack)
{
    PressEdit();
    ASSERT_NE(Editor(), nullptr);
    ToggleReadOnly();
    TypeIntoCell(0x3C, "3c");
    std::vector<ConfigWrite> expected{{kHostBridge, 0x3C, 1, 0x3C}};
    EXPECT_EQ(machine.bus.WriteLog(), expected);
    EXPECT_EQ(CellText(Editor(), 0x3C), "3C");

    // A read-only register takes the write and keeps its value.
    TypeIntoCell(0x00, "12");
    ASSERT_EQ(machine.bus.WriteLog().size(), 2u);
    EXPECT_EQ(machine.bus.WriteLog()[1], (ConfigWrite{kHostBridge, 0x00, 1, 0x12}));
    EXPECT_EQ(CellText(Editor(), 0x00), "86");
}

TEST_F(PersonFlowTest, TypingIntoALockedCellDoesNothing)
{
    PressEdit();
    TypeIntoCell(0x3C, "3c");
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    EXPECT_EQ(CellText(Editor(), 0x3C), "0");
}

TEST_F(PersonFlowTest, PickingAnotherDeviceRetargetsTheEditorAndKeepsItsLock)
{
    PressEdit();
    ToggleReadOnly();
    PickDevice(kIdeIndex);
    EXPECT_STREQ(EditorTitle(),
                 "bus 0     device 7     function 1");
    char expectedText[4];
    for (int offset = 0; offset < 256; ++offset) {
        std::snprintf(expectedText, sizeof(expectedText), "%X",
                      machine.bus.Read(kIde.bus, kIde.device, kIde.function, offset, 1));
        ASSERT_EQ(CellText(Editor(), offset), expectedText) << offset;
    }
    TypeIntoCell(0x3C, "e");
    std::vector<ConfigWrite> expected{{kIde, 0x3C, 1, 0x0E}};
    EXPECT_EQ(machine.bus.WriteLog(), expected);
}

TEST_F(PersonFlowTest, EditOpensOneEditorAndAfterClosingAFreshLockedOneForTheDeviceNow)
{
    PressEdit();
    PressEdit();
    EXPECT_EQ(EditorCount(), 1);
    ToggleReadOnly();

    kittest::CloseWindow(Editor());
    kittest::DeliverPostedMessages();
    EXPECT_EQ(EditorCount(), 0);
    EXPECT_EQ(gEditorOpen, 0);
    ASSERT_NE(DeviceWindow(), nullptr);

    PickDevice(kIdeIndex);
    PressEdit();
    ASSERT_EQ(EditorCount(), 1);
    EXPECT_EQ(kittest::FindView<BCheckBox>(Editor(), "failsafe")->Value(), B_CONTROL_ON);
    for (DataTextView* cell : CellsOf(Editor()))
        ASSERT_FALSE(cell->IsEditable());
    EXPECT_STREQ(EditorTitle(),
                 "bus 0     device 7     function 1");
}

TEST_F(PersonFlowTest, ClosingTheDeviceWindowWithTheEditorOpenEndsTheProgram)
{
    PressEdit();
    kittest::CloseWindow(DeviceWindow());
    app.Run();
    EXPECT_EQ(app.CountWindows(), 0);
    EXPECT_EQ(gEditorOpen, 0);
}

TEST_F(PersonFlowTest, TheEditorBesideTheDeviceWindow)
{
    PickDevice(4);
    PressEdit();
    EXPECT_GT(std::filesystem::file_size(kittest::SaveScreenshot(Editor(), "program-editor-locked")), 0u);
    ToggleReadOnly();
    EXPECT_GT(std::filesystem::file_size(
                  kittest::SaveScreenshot({DeviceWindow(), Editor()}, "program-both-windows")),
              0u);
}
