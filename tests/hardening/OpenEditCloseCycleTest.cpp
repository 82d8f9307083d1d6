// Open the editor, unlock it, write a byte, close everything. The suite runs it as any test;
// scripts/sanitize runs it again under LeakSanitizer, which reports what the cycle left behind.

#include "ProgramDriver.h"

#include <SimulatedMachines.h>

#include <QApplication>

#include <gtest/gtest.h>

TEST(OpenEditCloseCycle, WritesOneByteAndLeavesNoWindowOrWidgetBehind)
{
    const int widgetsBefore = QApplication::allWidgets().size();
    {
        ProgramDriver program(StandardMachine());
        program.PressEdit();
        ASSERT_NE(program.Editor(), nullptr);
        program.ToggleReadOnly();
        program.TypeIntoCell(0x3C, "5a");
        std::vector<ConfigWrite> expected{{PciAddress{0, 0, 0}, 0x3C, 1, 0x5A}};
        EXPECT_EQ(program.machine.bus.WriteLog(), expected);

        kittest::CloseWindow(program.Editor());
        kittest::DeliverPostedMessages();
        kittest::CloseWindow(program.DeviceWindow());
        kittest::DeliverPostedMessages();
        EXPECT_TRUE(program.app.IsQuitting());
        EXPECT_EQ(program.app.CountWindows(), 0);
    }
    // LeakSanitizer misses a window that was never destroyed: Qt still points to its widgets.
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
}
