// Open the editor, unlock it, write a byte, close everything. The suite runs it as any test;
// scripts/sanitize runs it again under LeakSanitizer, which reports what the cycle left behind.

#include "ProgramDriver.h"

#include <SimulatedMachines.h>

#include <QApplication>

#include <gtest/gtest.h>

TEST(OpenEditCloseCycle, WritesOneByteAndLeavesNoWindowOrWidgetBehind)
{
    const auto widgetsBefore = QApplication::allWidgets().size();
    {
        ProgramDriver program(StandardMachine());
        program.PressEdit();
        program.ToggleReadOnly();
        program.TypeIntoCell(0x3C, "5a");
        EXPECT_EQ(program.machine.bus.WriteLog().size(), 1u);
        kittest::CloseWindow(program.Editor());
        kittest::DeliverPostedMessages();
        kittest::CloseWindow(program.DeviceWindow());
        kittest::DeliverPostedMessages();
        EXPECT_EQ(program.app.CountWindows(), 0);
    }
    // LeakSanitizer misses a window that was never destroyed: Qt still points to its widgets.
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
}
