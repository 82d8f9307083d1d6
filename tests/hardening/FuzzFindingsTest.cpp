// Inputs the fuzz targets in fuzz/ found, kept as ordinary tests. The same inputs are kept in
// their seed corpora.

#include "CellWindow.h"
#include "EditorRequests.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"

#include <EditWindow.h>
#include <SimulatedMachines.h>

#include <gtest/gtest.h>

// A lone byte from 0x80 up is no UTF-8; Qt read it as U+FFFD, which passed the hex filter and,
// at three bytes, the two-byte limit.
TEST(FuzzFindings, AByteThatIsNoUtf8TypedIntoACellInsertsNothing)
{
    auto* window = new CellWindow;
    window->cell->MakeEditable(true);
    for (const char* key : {"a", "\x80", "\xC3", "\xFF"})
        window->cell->KeyDown(key, 1);
    EXPECT_STREQ(window->cell->Text(), "a");
    window->Quit();
    kittest::DeliverPostedMessages();
}

// A write request that reaches a locked editor, from anywhere, must not write.
TEST(FuzzFindings, AWriteRequestToALockedEditorWritesNothing)
{
    InstalledMachine machine(StandardMachine());
    auto* editor = new EditWindow(BRect(280, 150, 610, 380), 0, 0, 0);
    BMessage request = WriteRequest({0, 0, 0}, 0x3C, 0x5A);
    editor->PostMessage(&request);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    editor->Quit();
    kittest::DeliverPostedMessages();
}
