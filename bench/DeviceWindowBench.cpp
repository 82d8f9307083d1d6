// ShowDevice on the device window of a simulated machine, for two ordinary (type 0) records
// shown in turn, two bridge (type 1) records in turn, and an ordinary and a bridge record in
// turn, which switches the rows each time. Beside each, in the same iterations, a full repaint
// of the window: what the person waits for anyway once the texts have changed. And a pick in
// the menu, as a person waits for it, while the editor reads a device whose reads are slow.

#include "SlowBus.h"
#include "Stopwatch.h"
#include "TargetReporter.h"
#include "TimeCounter.h"

#include <InstalledMachine.h>
#include <KitTestSupport.h>
#include <PCI.h>
#include <PciWindow.h>
#include <SimulatedMachines.h>
#include <WindowMessages.h>

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <vector>

namespace {

constexpr benchmark::TimeUnit kUnit = benchmark::kMicrosecond;
const PciAddress kAgpBridge{0, 0x01, 0};
const PciAddress kVga{1, 0x00, 0};
const PciAddress kNetworkCard{0, 0x0B, 0};
const PciAddress kHubBridge{0, 0x1E, 0};

// The standard machine and a second PCI-to-PCI bridge, so that two bridge records can take
// turns: a view given the text it already shows may skip the work.
std::vector<SimulatedFunction> MachineWithTwoBridges()
{
    std::vector<SimulatedFunction> functions = StandardMachine();
    SimulatedFunction hub(kHubBridge, 0x8086, 0x244E, 0x060401, 0xC1, config::kBridgeLayout);
    hub.Write(config::kPrimaryBus, 4, 0x20040200);
    hub.Write(config::kIoBase, 2, 0xB0A0);
    hub.Write(config::kMemoryBase, 4, 0xFEAFFE00);
    hub.Write(config::kBridgeControl, 2, 0x0006);
    functions.push_back(hub);
    return functions;
}

// The device-table index of the function at address, as the window enumerates.
std::optional<uint32> IndexOf(PciAddress address)
{
    pci_info info{};
    for (int32 index = 0; get_nth_pci_info(index, &info) == B_OK; ++index) {
        if (PciAddress{info.bus, info.device, info.function} == address)
            return uint32(index);
    }
    return std::nullopt;
}

void MeasureShowDevice(benchmark::State& state, PciAddress first, PciAddress second)
{
    InstalledMachine machine(MachineWithTwoBridges());
    const std::optional<uint32> firstIndex = IndexOf(first);
    const std::optional<uint32> secondIndex = IndexOf(second);
    if (!firstIndex || !secondIndex) {
        state.SkipWithError("a function is missing from the machine");
        return;
    }
    const std::array<uint32, 2> indices{*firstIndex, *secondIndex};
    auto* window = new PciWindow(BRect(100, 80, 400, 360));
    window->Show();
    kittest::DeliverPostedMessages();
    Stopwatch repaint;
    int64_t round = 0;
    for (auto _ : state) {
        const uint32 index = indices[size_t(round++ % 2)];
        state.SetIterationTime(Stopwatch().Time([&] { window->ShowDevice(index); }));
        repaint.Time([&] { kittest::Repaint(window); });
        QCoreApplication::processEvents();
    }
    SetTimeCounter(state, "repaint", repaint.Mean(), kUnit);
    window->Quit();
    kittest::DeliverPostedMessages();
}

void BM_ShowDeviceType0(benchmark::State& state) { MeasureShowDevice(state, kVga, kNetworkCard); }

void BM_ShowDeviceType1(benchmark::State& state)
{
    MeasureShowDevice(state, kAgpBridge, kHubBridge);
}

void BM_ShowDeviceSwitchingRows(benchmark::State& state)
{
    MeasureShowDevice(state, kNetworkCard, kAgpBridge);
}

// From the pick to the device window repainted with the function picked, while the editor,
// following each pick, reads a device whose every read takes 20 ms.
void BM_MenuPickWhileTheEditorReadsSlowly(benchmark::State& state)
{
    InstalledMachine machine(StandardMachine());
    SlowBus slow(machine.bus, std::chrono::milliseconds(20));
    auto* window = new PciWindow(BRect(100, 80, 400, 360));
    window->Show();
    window->PostMessage(kEditRequest);
    kittest::DeliverWindowMessages();
    const uint32 picks[] = {3, 6};
    int64_t round = 0;
    for (auto _ : state) {
        const uint32 index = picks[size_t(round++ % 2)];
        state.SetIterationTime(Stopwatch().Time([&] {
            window->PostMessage(index);
            kittest::DeliverWindowMessages();
            kittest::Repaint(window);
        }));
    }
    // The editor's thread ends after the read in hand.
    for (BWindow* editor : kittest::WindowsTitled("Edit PCI Config"))
        editor->Quit();
    window->Quit();
    kittest::DeliverPostedMessages();
}

} // namespace

// A thousand or so calls are plenty; the repaint beside each costs fifty times the call.
constexpr double kMinTime = 0.01;

BENCHMARK(BM_ShowDeviceType0)->UseManualTime()->Unit(kUnit)->MinTime(kMinTime);
BENCHMARK(BM_ShowDeviceType1)->UseManualTime()->Unit(kUnit)->MinTime(kMinTime);
BENCHMARK(BM_ShowDeviceSwitchingRows)->UseManualTime()->Unit(kUnit)->MinTime(kMinTime);
BENCHMARK(BM_MenuPickWhileTheEditorReadsSlowly)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

const bool kTargets = TargetReporter::Add({"BM_MenuPickWhileTheEditorReadsSlowly", "", 50,
                                           "menu pick while the editor reads at 20 ms a read, ms"});
