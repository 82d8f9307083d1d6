// Open the editor (Edit again brings it back from minimized), unlock it, write a byte, close
// everything. The suite runs it as any test; scripts/sanitize runs it again under
// LeakSanitizer, which reports what the cycle left behind.

#include "ProgramDriver.h"

#include <EditorOpenFlag.h>
#include <SimulatedMachines.h>

#include <QApplication>

#include <gtest/gtest.h>

TEST(OpenEditCloseCycle, OneEditorAtATimeWritesOneByteAndLeavesNoWindowOrWidgetBehind)
{
    const auto widgetsBefore = QApplication::allWidgets().size();
    {
        ProgramDriver program(StandardMachine());
        program.PressEdit();
        kittest::Minimize(program.Editor());
        program.PressEdit();
        EXPECT_EQ(program.EditorCount(), 1);
        EXPECT_FALSE(kittest::IsMinimized(program.Editor()));
        program.ToggleReadOnly();
        program.TypeIntoCell(0x3C, "5a");
        EXPECT_EQ(program.machine.bus.WriteLog().size(), 1u);
        program.Close(program.Editor());
        EXPECT_EQ(program.EditorCount() + gEditorOpen, 0);
        // Edit again: a fresh editor, locked, for the device picked now.
        program.PickDevice(3);
        program.PressEdit();
        EXPECT_TRUE(AllCellsLocked(program.Editor()));
        EXPECT_EQ(program.EditorTitle(), "bus 0     device 7     function 1");
        // Closing the device window with the editor open ends the program.
        program.Close(program.DeviceWindow());
        EXPECT_EQ(program.app.CountWindows() + gEditorOpen, 0);
    }
    // LeakSanitizer misses a window that was never destroyed: Qt still points to its widgets.
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
}
