// Inputs the fuzz targets in fuzz/ found, kept as ordinary tests. The same inputs are kept in
// their seed corpora.

#include "CellWindow.h"
#include "EditorRequests.h"
#include "InstalledMachine.h"
#include "Step.h"

#include <EditWindow.h>
#include <SimulatedMachines.h>

#include <gtest/gtest.h>

// A lone byte from 0x80 up is no UTF-8; Qt read it as U+FFFD, which passed the hex filter and,
// at three bytes, the two-byte limit.
TEST(FuzzFindings, AByteThatIsNoUtf8TypedIntoACellInsertsNothing)
{
    CellWindow* window = new CellWindow;
    window->cell->MakeEditable(true);
    for (const char* key : {"a", "\x80", "\xC3", "\xFF"})
        window->cell->KeyDown(key, 1);
    EXPECT_STREQ(window->cell->Text(), "a");
    Step([&] { window->Quit(); });
}

// A write request that reaches a locked editor, from anywhere, must not write.
TEST(FuzzFindings, AWriteRequestToALockedEditorWritesNothing)
{
    InstalledMachine machine(StandardMachine());
    auto* editor = new EditWindow(BRect(280, 150, 610, 380), 0, 0, 0);
    BMessage request = WriteRequest({0, 0, 0}, 0x3C, 0x5A);
    Step([&] { editor->PostMessage(&request); });
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    Step([&] { editor->Quit(); });
}
