// Arbitrary messages, most of them close to the real ones, posted one at a time to the device
// window and the editor of the program on a small simulated machine. Whatever arrives, nothing
// crashes, every write is one byte inside the configuration space, and a locked editor writes
// nothing.

#include "FuzzCheck.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"

#include <AppDefs.h>
#include <Messenger.h>
#include <PciApp.h>
#include <SimulatedMachines.h>
#include <WindowMessages.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>

namespace {

// Enough to open, unlock, retarget and close within one input while staying fast.
constexpr int kMaxMessages = 24;

constexpr uint32 kRealCodes[] = {kWriteRequest, kReadOnlyToggle, kEditorAddress, kEditRequest,
    B_QUIT_REQUESTED, 0, 1, 3, 7};
constexpr const char* kRealNames[] = {kOffsetField, kDataField, kBusField, kDeviceField,
    kFunctionField};

// Real codes and names most of the time; fields of any integer width or a string.
BMessage NextMessage(FuzzedDataProvider& input)
{
    BMessage message(input.ConsumeBool() ? input.PickValueInArray(kRealCodes)
                                         : input.ConsumeIntegral<uint32>());
    for (int fields = input.ConsumeIntegralInRange(0, 4); fields > 0; --fields) {
        const std::string name = input.ConsumeIntegralInRange(0, 3) != 0
            ? input.PickValueInArray(kRealNames) : input.ConsumeRandomLengthString(8);
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: message.AddInt8(name.c_str(), input.ConsumeIntegral<int8>()); break;
        case 1: message.AddInt32(name.c_str(), input.ConsumeIntegral<int32>()); break;
        case 2: message.AddInt64(name.c_str(), input.ConsumeIntegral<int64>()); break;
        default: message.AddString(name.c_str(), input.ConsumeRandomLengthString(8).c_str());
        }
    }
    return message;
}

// The program lives from one input to the next: building the editor's 256 cells costs more
// than most inputs. Each input finds it in the same state: the first function selected and an
// editor open on it, locked.
class Program {
public:
    void Reset()
    {
        if (fApp == nullptr || fApp->IsQuitting()) {
            fApp.reset();
            fApp = std::make_unique<PciApp>();
            fDeviceWindow = BMessenger(fApp->WindowAt(0));
        }
        fDeviceWindow.SendMessage(0u);
        if (!fEditor.IsValid())
            fDeviceWindow.SendMessage(kEditRequest);
        else if (!fEditorLocked)
            fEditor.SendMessage(kReadOnlyToggle);
        kittest::DeliverPostedMessages();
        fEditorLocked = true;
        FollowNewEditor();
    }

    // Delivers one message, and what handling it posts, before the next: so the editor's lock
    // is known at every write.
    void Deliver(FuzzedDataProvider& input, const SimulatedBus& bus)
    {
        const bool toEditor = input.ConsumeBool();
        const BMessage message = NextMessage(input);
        const size_t writesBefore = bus.WriteLog().size();
        const status_t posted = (toEditor ? fEditor : fDeviceWindow).SendMessage(&message);
        kittest::DeliverPostedMessages();
        const std::vector<ConfigWrite> log = bus.WriteLog();
        Require(!fEditorLocked || log.size() == writesBefore, "a locked editor writes nothing");
        for (size_t i = writesBefore; i < log.size(); ++i)
            Require(log[i].offset >= 0 && log[i].offset <= 255 && log[i].size == 1
                    && log[i].value <= 255, "every write is one byte inside the configuration space");
        if (toEditor && posted == B_OK && message.what == kReadOnlyToggle)
            fEditorLocked = !fEditorLocked;
        FollowNewEditor();
    }

private:
    // "Edit" after the editor closed opens a new one, locked as every new editor is.
    void FollowNewEditor()
    {
        if (fEditor.IsValid() || fApp->IsQuitting())
            return;
        std::vector<BWindow*> editors = kittest::WindowsTitled("Edit PCI Config");
        fEditor = BMessenger(editors.empty() ? nullptr : editors.front());
        fEditorLocked = true;
    }

    std::unique_ptr<PciApp> fApp;
    BMessenger fDeviceWindow;
    BMessenger fEditor;
    bool fEditorLocked = true;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kittest::StartKit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Never destroyed: at exit the kit's own statics may already be gone.
    static auto* program = new Program;
    // Every input starts from the same machine: a host bridge, a PCI-to-PCI bridge, the card
    // behind it and a multi-function ISA bridge.
    std::vector<SimulatedFunction> functions = StandardMachine();
    functions.resize(4, functions.front());
    InstalledMachine machine(functions);
    program->Reset();
    FuzzedDataProvider input(data, size);
    for (int i = 0; i < kMaxMessages && input.remaining_bytes() > 0; ++i)
        program->Deliver(input, machine.bus);
    return 0;
}
