// Arbitrary messages, most of them close to the real ones, posted one at a time to the device
// window and the editor of the program on a small simulated machine. Whatever arrives, nothing
// crashes, every write is one byte inside the configuration space, and a locked editor writes
// nothing.

#include "FuzzCheck.h"
#include "ProgramDriver.h"

#include <AppDefs.h>
#include <Message.h>
#include <SimulatedMachines.h>
#include <TypeConstants.h>
#include <WindowMessages.h>

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Enough to open, unlock, retarget and close within one input while staying fast.
constexpr int kMaxMessages = 24;
constexpr uint32 kRealCodes[] = {kWriteRequest,
                                 kReadOnlyToggle,
                                 kEditorAddress,
                                 kEditRequest,
                                 kPageChosen,
                                 kPageBytes,
                                 kStillReading,
                                 B_KEY_DOWN,
                                 B_QUIT_REQUESTED,
                                 0,
                                 1,
                                 3};
constexpr const char* kRealNames[] = {kOffsetField,   kDataField, kBusField,    kDeviceField,
                                      kFunctionField, kPageField, kSerialField, kSizeField,
                                      kBytesField,    "bytes"};

// A host bridge, a PCI-to-PCI bridge, the card behind it and a multi-function ISA bridge.
std::vector<SimulatedFunction> FewFunctions()
{
    std::vector<SimulatedFunction> functions = StandardMachine();
    functions.resize(4, functions.front());
    return functions;
}

// Real codes and names most of the time; fields of any integer width, a string or a block of
// bytes.
BMessage NextMessage(FuzzedDataProvider& input)
{
    BMessage message(input.ConsumeBool() ? input.PickValueInArray(kRealCodes)
                                         : input.ConsumeIntegral<uint32>());
    for (int fields = input.ConsumeIntegralInRange(0, 4); fields > 0; --fields) {
        const std::string name = input.ConsumeIntegralInRange(0, 3) != 0
                                     ? input.PickValueInArray(kRealNames)
                                     : input.ConsumeRandomLengthString(8);
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            message.AddInt8(name.c_str(), input.ConsumeIntegral<int8>());
            break;
        case 1:
            message.AddInt32(name.c_str(), input.ConsumeIntegral<int32>());
            break;
        case 2:
            message.AddInt64(name.c_str(), input.ConsumeIntegral<int64>());
            break;
        case 3:
            message.AddString(name.c_str(), input.ConsumeRandomLengthString(8).c_str());
            break;
        default: {
            const std::vector<uint8> bytes =
                input.ConsumeBytes<uint8>(input.ConsumeIntegralInRange(0, 300));
            message.AddData(name.c_str(), B_RAW_TYPE, bytes.data(), ssize_t(bytes.size()));
        }
        }
    }
    return message;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The program lives from one input to the next, as building the editor's 256 cells costs
    // more than most inputs; never destroyed at exit, where the kit's statics may be gone.
    static auto* program = new ProgramDriver(FewFunctions());
    if (program->app.IsQuitting()) {
        delete program;
        program = new ProgramDriver(FewFunctions());
    }
    // Every input starts from the same machine, the first function picked and a locked editor.
    InstalledMachine machine(FewFunctions());
    Step([&] { program->DeviceWindow()->PostMessage(0u); });
    if (program->Editor() == nullptr)
        program->PressEdit();
    else if (!AllCellsLocked(program->Editor()))
        program->ToggleReadOnly();
    FuzzedDataProvider input(data, size);
    for (int i = 0; i < kMaxMessages && input.remaining_bytes() > 0 && !program->app.IsQuitting();
         ++i) {
        const bool locked = program->Editor() == nullptr || AllCellsLocked(program->Editor());
        BWindow* target = input.ConsumeBool() ? program->Editor() : program->DeviceWindow();
        BMessage message = NextMessage(input);
        const size_t before = machine.bus.WriteLog().size();
        if (target != nullptr)
            Step([&] { target->PostMessage(&message); });
        const std::vector<ConfigWrite> log = machine.bus.WriteLog();
        Require(!locked || log.size() == before, "a locked editor writes nothing");
        for (size_t n = before; n < log.size(); ++n)
            Require(log[n].offset >= 0 && log[n].offset <= 255 && log[n].size == 1
                        && log[n].value <= 255,
                    "every write is one byte inside the configuration space");
    }
    return 0;
}
