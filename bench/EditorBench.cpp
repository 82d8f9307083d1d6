// The editor's grid: a full reload, a page of an extended space, and a byte confirmed with
// Enter until the grid is read back, on this machine's bus and on the simulated one. Each
// holds the hand-off to the editor's bus thread and back. This machine's hardware is only ever
// read: on its bus every write is dropped before it reaches libpci, so the figure holds the
// post, the delivery and the reload but not the hardware write itself.

#include "Stopwatch.h"
#include "SysfsConfigFile.h"
#include "TargetReporter.h"
#include "TimeCounter.h"
#include "WorkerThread.h"
#include "WriteDroppingBus.h"

#include <CheckBox.h>
#include <EditWindow.h>
#include <EditorViews.h>
#include <HostBus.h>
#include <InstalledMachine.h>
#include <KitTestSupport.h>
#include <PCI.h>
#include <PciBusSelection.h>
#include <SimulatedMachines.h>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

const BRect kEditorFrame(280, 150, 610, 380);
// The simulated network card, whose interrupt line keeps what is written to it.
const PciAddress kSimulatedCard{0, 0x0B, 0};
// No function answers there: every byte reads FF.
const PciAddress kAbsentFunction{0, 0x1F, 7};
constexpr int kConfirmedOffset = 0x3C;
// Reads of real hardware take milliseconds; the simulated machine's, microseconds.
constexpr benchmark::TimeUnit kHostUnit = benchmark::kMillisecond;
constexpr benchmark::TimeUnit kSimulatedUnit = benchmark::kMicrosecond;

EditWindow* OpenEditor(PciAddress address)
{
    auto* editor = new EditWindow(kEditorFrame, address.bus, address.device, address.function);
    editor->Show();
    kittest::DeliverPostedMessages();
    return editor;
}

void CloseEditor(EditWindow* editor)
{
    editor->Quit();
    kittest::DeliverPostedMessages();
}

// The first function of the bus, which the device window shows and edits first.
bool FirstFunction(PciBus& bus, PciAddress* address)
{
    pci_info info{};
    if (bus.GetNthInfo(0, &info) != B_OK)
        return false;
    *address = {info.bus, info.device, info.function};
    return true;
}

void ReadThroughCalls(PciAddress address, SysfsConfigFile::Bytes& bytes, int page)
{
    for (size_t offset = 0; offset < bytes.size(); ++offset)
        bytes[offset] = uint8(read_pci_config(address.bus, address.device, address.function,
                                              int32(page * 256 + offset), 1));
}

// From asking for the page to the cells showing it.
void Reload(EditWindow* editor, PciAddress address)
{
    editor->Reload(address.bus, address.device, address.function);
    kittest::DeliverPostedMessages();
}

// Reload of a page on the installed bus. Beside it, in the same iterations: the 256 one-byte
// reads through the PCI calls without the cells, and with a sysfs file, the kernel's floors;
// the one-byte reads on a thread that waits between runs, as the editor's bus thread does.
// Also there: handing that thread nothing to do and waiting for it, the least a reload pays
// for reading off the window's thread, whatever the program does on either side.
void MeasureReload(benchmark::State& state, benchmark::TimeUnit unit, PciAddress address,
                   const SysfsConfigFile* file, int page = 0)
{
    EditWindow* editor = OpenEditor(address);
    for (int turned = 0; turned < page; ++turned) {
        kittest::PressKey(editor, B_PAGE_DOWN);
        kittest::DeliverPostedMessages();
    }
    SysfsConfigFile::Bytes bytes{};
    Stopwatch reload, calls, eachByte, atOnce, handoff, nothing;
    WorkerThread reader;
    for (auto _ : state) {
        state.SetIterationTime(reload.Time([&] { Reload(editor, address); }));
        calls.Time([&] { ReadThroughCalls(address, bytes, page); });
        if (file != nullptr) {
            reader.Time(eachByte, [&] { file->ReadEachByte(bytes, off_t(page) * 256); });
            atOnce.Time([&] { file->ReadAtOnce(bytes, off_t(page) * 256); });
            handoff.Time([&] { reader.Time(nothing, [] {}); });
        }
        // The repaint the reload asked for, outside the measure.
        QCoreApplication::processEvents();
    }
    SetTimeCounter(state, "calls", calls.Mean(), unit);
    if (file != nullptr) {
        SetTimeCounter(state, "sysfs_1B_x256", eachByte.Mean(), unit);
        SetTimeCounter(state, "sysfs_256B", atOnce.Mean(), unit);
        SetTimeCounter(state, "handoff", handoff.Mean(), unit);
        state.counters["ratio_to_1B"] = reload.Total() / eachByte.Total();
        state.counters["ratio_to_1B_handoff"] =
            reload.Total() / (eachByte.Total() + handoff.Total());
    }
    CloseEditor(editor);
}

// Types value into the cell as a person does, over whatever it held.
void TypeOver(DataTextView* cell, const char* value)
{
    for (int32 length = cell->TextLength(); length > 0; --length)
        kittest::PressKeyIn(cell, B_BACKSPACE);
    kittest::TypeInto(cell, value);
}

// From the Enter in a cell to the grid read back: the write request is posted, delivered,
// written and the grid reloaded, and the repaint this asks for is done. Beside it, in the same
// iterations, a reload alone. writes counts the writes that reached the bus.
void MeasureConfirmedByte(benchmark::State& state, benchmark::TimeUnit unit, PciAddress address,
                          const std::function<int32()>& writes, bool checkCellShowsValue)
{
    EditWindow* editor = OpenEditor(address);
    kittest::Click(kittest::FindView<BCheckBox>(editor, "failsafe"));
    kittest::DeliverPostedMessages();
    DataTextView* cell = CellsOf(editor).at(kConfirmedOffset);
    if (!cell->IsEditable()) {
        state.SkipWithError("the cell did not unlock");
        CloseEditor(editor);
        return;
    }
    const char* const values[] = {"3C", "B"};
    const int32 writesBefore = writes();
    Stopwatch confirmed, reload;
    int64 round = 0;
    for (auto _ : state) {
        const char* value = values[round++ % 2];
        TypeOver(cell, value);
        state.SetIterationTime(confirmed.Time([&] {
            kittest::PressKeyIn(cell, B_ENTER);
            kittest::DeliverPostedMessages();
            QCoreApplication::processEvents();
        }));
        if (checkCellShowsValue && std::string(cell->Text()) != value) {
            state.SkipWithError("the grid does not show the byte written");
            break;
        }
        reload.Time([&] { Reload(editor, address); });
        QCoreApplication::processEvents();
    }
    if (writes() - writesBefore != round)
        state.SkipWithError("not one write per Enter");
    SetTimeCounter(state, "reload", reload.Mean(), unit);
    CloseEditor(editor);
}

// The first function of this machine's bus, or for page 1 the first with an extended space.
void MeasureHostReload(benchmark::State& state, int page)
{
    HostBus host;
    PciAddress address;
    pci_info info{};
    for (int32 index = 0; host.GetNthInfo(index, &info) == B_OK; ++index) {
        address = {info.bus, info.device, info.function};
        if (host.ConfigSize(info.bus, info.device, info.function) > page * 256)
            break;
    }
    const SysfsConfigFile file(address);
    if (host.ConfigSize(address.bus, address.device, address.function) <= page * 256
        || !file.IsOpen()) {
        state.SkipWithError("no function with a readable page there");
        return;
    }
    InstallPciBus(&host);
    state.SetLabel(file.Path());
    MeasureReload(state, kHostUnit, address, &file, page);
    InstallPciBus(nullptr);
}

void BM_ReloadHostBus(benchmark::State& state) { MeasureHostReload(state, 0); }

void BM_ReloadHostBusExtendedPage(benchmark::State& state) { MeasureHostReload(state, 1); }

void BM_ReloadSimulatedBus(benchmark::State& state)
{
    InstalledMachine machine(StandardMachine());
    MeasureReload(state, kSimulatedUnit, kSimulatedCard, nullptr);
}

// The worst case for the cells: every one takes a new text, as the card's bytes and the all-FF
// bytes of an absent function are shown in turn.
void BM_ReloadSimulatedBusEveryCellChanges(benchmark::State& state)
{
    InstalledMachine machine(StandardMachine());
    EditWindow* editor = OpenEditor(kSimulatedCard);
    const PciAddress shown[] = {kSimulatedCard, kAbsentFunction};
    int64 round = 0;
    for (auto _ : state) {
        BMessage retarget = AddressMessage(shown[++round % 2]);
        state.SetIterationTime(Stopwatch().Time([&] {
            editor->PostMessage(&retarget);
            kittest::DeliverPostedMessages();
        }));
        QCoreApplication::processEvents();
    }
    CloseEditor(editor);
}

void BM_ConfirmedByteHostBusWritesDropped(benchmark::State& state)
{
    HostBus host;
    WriteDroppingBus bus(host);
    PciAddress address;
    if (!FirstFunction(host, &address)) {
        state.SkipWithError("no PCI function visible");
        return;
    }
    InstallPciBus(&bus);
    MeasureConfirmedByte(
        state, kHostUnit, address, [&] { return bus.DroppedWrites(); }, false);
    InstallPciBus(nullptr);
}

void BM_ConfirmedByteSimulatedBus(benchmark::State& state)
{
    InstalledMachine machine(StandardMachine());
    MeasureConfirmedByte(
        state, kSimulatedUnit, kSimulatedCard, [&] { return int32(machine.bus.WriteLog().size()); },
        true);
}

} // namespace

BENCHMARK(BM_ReloadHostBus)->UseManualTime()->Unit(kHostUnit);
BENCHMARK(BM_ReloadHostBusExtendedPage)->UseManualTime()->Unit(kHostUnit);
BENCHMARK(BM_ReloadSimulatedBus)->UseManualTime()->Unit(kSimulatedUnit);
BENCHMARK(BM_ReloadSimulatedBusEveryCellChanges)->UseManualTime()->Unit(kSimulatedUnit);
BENCHMARK(BM_ConfirmedByteHostBusWritesDropped)->UseManualTime()->Unit(kHostUnit);
BENCHMARK(BM_ConfirmedByteSimulatedBus)->UseManualTime()->Unit(kSimulatedUnit);

const bool kTargets =
    TargetReporter::Add({"BM_ReloadHostBus", "ratio_to_1B", 1.05,
                         "reload on this machine's bus, x 256 direct 1-byte reads"})
    && TargetReporter::Add({"BM_ReloadHostBusExtendedPage", "ratio_to_1B", 1.05,
                            "reload of an extended page, x its 256 direct 1-byte reads"})
    && TargetReporter::Add({"BM_ConfirmedByteHostBusWritesDropped", "", 16,
                            "Enter to re-read grid on this machine's bus, ms"});
