// What a person changed, as the program keeps it: every write journalled with the byte before,
// the byte written, the byte read back and what changed with it; the changed cells marked;
// undo as a write like any other; and setpci commands that pciutils' own setpci takes.

#include "DumpWriter.h"
#include "ProgramDriver.h"
#include "StandardMachineFunctions.h"

#include <AppDefs.h>
#include <JournalText.h>
#include <ListView.h>
#include <SimulatedMachines.h>
#include <WriteJournal.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

using testing::ElementsAre;
using testing::StartsWith;

namespace {

class WriteJournalTest : public testing::Test, public ProgramDriver {
protected:
    WriteJournalTest() : ProgramDriver(StandardMachine()) {}

    // The journal's entries since the test began: it keeps every write of the run.
    std::vector<JournalEntry> NewEntries() const
    {
        const auto& all = WriteJournal::Instance().Entries();
        return {all.begin() + std::ptrdiff_t(fJournalled), all.end()};
    }
    std::vector<int> MarkedCells() const
    {
        std::vector<int> marked;
        for (int n = 0; n < 256; ++n)
            if (kittest::IsMarked(CellsOf(Editor())[size_t(n)]))
                marked.push_back(n);
        return marked;
    }
    BWindow* Writes() const { return kittest::WindowsTitled("Writes").front(); }

private:
    size_t fJournalled = WriteJournal::Instance().Entries().size();
};

// What pciutils' setpci says it would do with the command, on a dump, writing nothing.
std::string SetpciWouldDo(const std::string& command, const std::string& dump)
{
    std::istringstream words(command);
    std::string setpci, option, address, change;
    words >> setpci >> option >> address >> change;
    const std::string line =
        "setpci -v -D -A dump -O dump.name=" + dump + " -s " + address + " " + change + " 2>&1";
    FILE* run = popen(line.c_str(), "r");
    std::string said(256, '\0');
    said.resize(std::fread(said.data(), 1, said.size(), run));
    pclose(run);
    return said;
}

} // namespace

// A status bit cleared by writing 1 changes the byte written; a function level reset asked
// for in the device control register changes the command register beside it.
TEST_F(WriteJournalTest, WritesAreJournalledWithWhatChangedWithThemMarkedAndGivenAsSetpci)
{
    PickDevice(kHostBridgeIndex);
    PressEdit();
    ToggleReadOnly();
    TypeIntoCell(0x07, "20");
    EXPECT_THAT(MarkedCells(), ElementsAre(0x07));
    PickDevice(kExpressIndex);
    TypeIntoCell(0xE9, "a8");
    EXPECT_THAT(MarkedCells(), ElementsAre(0x04, 0x05));
    PickDevice(kDriveIndex);
    Step([&] { kittest::PressKey(Editor(), B_PAGE_DOWN); });
    TypeIntoCell(0x05, "40");

    const std::vector<JournalEntry> entries = NewEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_THAT(DescribeWrite(entries[0]),
                testing::EndsWith("00:00.0  07  22 -> 20  read back 02"));
    EXPECT_THAT(DescribeWrite(entries[1]), testing::EndsWith("00:0e.0  E9  28 -> A8  read back 28\n"
                                                             "          also 04: 07 -> 00\n"
                                                             "          also 05: 01 -> 00"));
    EXPECT_THAT(DescribeWrite(entries[2]),
                testing::EndsWith("0001:00:00.0  105  40 -> 40  read back 00"));

    const JournalEntry* const writes[] = {&entries[0], &entries[1], &entries[2]};
    std::istringstream commands(SetpciCommands(writes, std::time(nullptr)));
    std::vector<std::string> lines;
    for (std::string line; std::getline(commands, line);)
        lines.push_back(line);
    EXPECT_THAT(lines,
                ElementsAre(StartsWith("# 3 writes made with Pci Zorvane on "),
                            "setpci -s 0000:00:00.0 07.b=20", "setpci -s 0000:00:0e.0 e9.b=a8",
                            "setpci -s 0001:00:00.0 105.b=40"));
    const std::string dump =
        WriteDump("setpci.dump", {{"0000:00:00.0", Image(0x8086, 0x7190, 0, 64)},
                                  {"0000:00:0e.0", Image(0x8086, 0x10D3, 0, 64)},
                                  {"0001:00:00.0", Image(0x144D, 0xA808, 0, 64)}});
    const char* const said[] = {"0000:00:00.0 @07 20\n", "0000:00:0e.0 @e9 a8\n",
                                "0001:00:00.0 @105 40\n"};
    for (size_t n = 0; n < std::size(said); ++n)
        EXPECT_EQ(SetpciWouldDo(lines[n + 1], dump), said[n]);
}

// Undo writes the byte from before to the function it was written on, even when the editor
// shows another, unless the editor is locked; it is a write like any other, journalled too.
TEST_F(WriteJournalTest, UndoPutsTheByteBackOnItsOwnFunctionAndIsRefusedWhileLocked)
{
    PickDevice(kNicIndex);
    PressEdit();
    ToggleReadOnly();
    TypeIntoCell(0x3C, "5");
    TypeIntoCell(0x0D, "20");
    PickDevice(kIdeIndex);
    Step([&] { kittest::PressChord(Editor(), 'j'); });
    ToggleReadOnly();
    const auto undo = [&] {
        Step([&] { kittest::Click(kittest::FindView<BButton>(Writes(), "undo")); });
    };
    undo();
    EXPECT_EQ(NewEntries().size(), 2u);
    EXPECT_THAT(kittest::FindView<BStringView>(Writes(), "status")->Text(),
                StartsWith("The editor is read only"));

    // The older of the two, chosen in the list: the newest stands first.
    ToggleReadOnly();
    Step([&] { kittest::ClickLine(kittest::FindView<BListView>(Writes(), "writes"), 1); });
    undo();
    EXPECT_EQ(machine.bus.WriteLog().back(), (ConfigWrite{kNic, 0x3C, 1, 0x0A}));
    EXPECT_EQ(DeviceByte(kNic, 0x3C) + DeviceByte(kNic, 0x0D), "A20");
    ASSERT_EQ(NewEntries().size(), 3u);
    EXPECT_TRUE(NewEntries()[2].undo);
    EXPECT_EQ(kittest::FindView<BListView>(Writes(), "writes")->CountItems(),
              int32(WriteJournal::Instance().Entries().size()));

    const std::string commands = "setpci -s 0000:00:0b.0 3c.b=05\n"
                                 "setpci -s 0000:00:0b.0 0d.b=20\n"
                                 "setpci -s 0000:00:0b.0 3c.b=0a\n";
    Step([&] { kittest::PressChord(Writes(), 'c'); });
    EXPECT_THAT(kittest::ClipboardText(), testing::HasSubstr(commands));
    // Where the person chose in the save panel, the same as a script.
    const std::string script = testing::TempDir() + std::to_string(getpid()) + "-writes.sh";
    BMessage chosen(B_SAVE_REQUESTED);
    chosen.AddString("path", script.c_str());
    Step([&] { Writes()->PostMessage(&chosen); });
    std::ifstream saved(script);
    const std::string text((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_THAT(text,
                testing::AllOf(StartsWith("#!/bin/sh\nset -e\n# "), testing::HasSubstr(commands)));
}
