#include "ConfigLooper.h"

#include <FunctionFields.h>
#include <Message.h>
#include <PCI.h>
#include <PciMachine.h>
#include <TypeConstants.h>
#include <WindowMessages.h>

ConfigLooper::ConfigLooper(BMessenger editor, std::shared_ptr<const std::atomic<int32>> newestRead)
    : fEditor(editor), fNewestRead(std::move(newestRead))
{
}

void ConfigLooper::MessageReceived(BMessage* message)
{
    switch (message->what) {
    case kReadPage:
        ReadPage(message);
        break;
    case kWriteByte:
        WriteByte(message);
        break;
    default:
        break;
    }
}

void ConfigLooper::ReadPage(BMessage* request)
{
    BMessage reply(*request);
    if (ReadInto(&reply, true))
        fEditor.SendMessage(&reply);
}

void ConfigLooper::WriteByte(BMessage* job)
{
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    int32 offset = 0;
    int8 data = 0;
    if (!FindFunction(job, &bus, &device, &function)
        || job->FindInt32(kOffsetField, &offset) != B_OK || job->FindInt8(kDataField, &data) != B_OK
        || IsQuitting())
        return;
    write_pci_config(bus, device, function, offset, 1, static_cast<uint8>(data));
    // Read back the page: what the device really holds is what the person sees.
    BMessage reply(*job);
    if (ReadInto(&reply, false))
        fEditor.SendMessage(&reply);
}

bool ConfigLooper::ReadInto(BMessage* reply, bool stoppable)
{
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    int32 page = 0;
    int32 serial = 0;
    if (!FindFunction(reply, &bus, &device, &function)
        || reply->FindInt32(kPageField, &page) != B_OK
        || reply->FindInt32(kSerialField, &serial) != B_OK)
        return false;
    // One byte per read, never wider: a wide read of some registers has side effects.
    uint8 bytes[kPageSize];
    for (int32 n = 0; n < kPageSize; ++n) {
        if (IsQuitting() || (stoppable && serial < *fNewestRead))
            return false;
        bytes[n] = uint8(read_pci_config(bus, device, function, page * kPageSize + n, 1));
    }
    // Where no function answers, there is nowhere else it could be.
    pci_location location{0, bus, device, function};
    get_pci_location(bus, device, function, &location);
    reply->what = kPageBytes;
    reply->AddData(kBytesField, B_RAW_TYPE, bytes, sizeof(bytes));
    reply->AddInt32(kSizeField, get_pci_config_size(bus, device, function));
    reply->AddInt32(kDomainField, int32(location.domain));
    reply->AddInt8(kRealBusField, int8(location.bus));
    return true;
}
