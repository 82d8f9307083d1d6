#include "ConfigLooper.h"

#include <FunctionFields.h>
#include <Message.h>
#include <PCI.h>
#include <PciMachine.h>
#include <TypeConstants.h>
#include <WindowMessages.h>

#include <vector>

namespace {

int32 PageOf(const BMessage* request)
{
    int32 page = 0;
    request->FindInt32(kPageField, &page);
    return page;
}

} // namespace

ConfigLooper::ConfigLooper(BMessenger editor,
                           std::shared_ptr<const std::atomic<int32>> newestRequest)
    : fEditor(editor), fNewestRequest(std::move(newestRequest))
{
}

BMessage ConfigLooper::WriteJob(const ByteWrite& write)
{
    BMessage job(kWriteByte);
    PutFunction(&job, write.bus, write.device, write.function);
    job.AddInt32(kPageField, write.offset / kPageSize);
    job.AddInt32(kOffsetField, write.offset);
    job.AddInt8(kDataField, write.data);
    return job;
}

std::optional<ConfigLooper::ByteWrite> ConfigLooper::FindWrite(const BMessage* job)
{
    ByteWrite write;
    if (!FindFunction(job, &write.bus, &write.device, &write.function)
        || job->FindInt32(kOffsetField, &write.offset) != B_OK
        || job->FindInt8(kDataField, &write.data) != B_OK)
        return std::nullopt;
    return write;
}

void ConfigLooper::MessageReceived(BMessage* message)
{
    switch (message->what) {
    case kReadPage:
        ReadPage(message);
        break;
    case kReadSpace:
        ReadSpace(message);
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
    reply.what = kPageBytes;
    if (ReadInto(&reply, PageOf(request) * kPageSize, kPageSize, true))
        fEditor.SendMessage(&reply);
}

void ConfigLooper::ReadSpace(BMessage* request)
{
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    if (!FindFunction(request, &bus, &device, &function))
        return;
    BMessage reply(*request);
    reply.what = kSpaceBytes;
    if (ReadInto(&reply, 0, get_pci_config_size(bus, device, function), true))
        fEditor.SendMessage(&reply);
}

void ConfigLooper::WriteByte(BMessage* job)
{
    const std::optional<ByteWrite> write = FindWrite(job);
    if (!write || IsQuitting())
        return;
    BMessage reply(*job);
    reply.what = kPageBytes;
    // What the write changed is told against the page as the grid showed it, or, where the
    // grid shows another page or function, as it reads right before the write.
    const void* shown = nullptr;
    ssize_t count = 0;
    if (job->FindData(kBeforeField, B_RAW_TYPE, &shown, &count) != B_OK) {
        BMessage before(*job);
        if (!ReadInto(&before, PageOf(job) * kPageSize, kPageSize, false)
            || before.FindData(kBytesField, B_RAW_TYPE, &shown, &count) != B_OK)
            return;
        reply.AddData(kBeforeField, B_RAW_TYPE, shown, count);
    }
    write_pci_config(write->bus, write->device, write->function, write->offset, 1,
                     static_cast<uint8>(write->data));
    // Read back the page: what the device really holds is what the person sees.
    if (ReadInto(&reply, PageOf(job) * kPageSize, kPageSize, false))
        fEditor.SendMessage(&reply);
}

bool ConfigLooper::ReadInto(BMessage* reply, int32 first, int32 count, bool stoppable)
{
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    int32 serial = 0;
    if (!FindFunction(reply, &bus, &device, &function)
        || reply->FindInt32(kSerialField, &serial) != B_OK)
        return false;
    // One byte per read, never wider: a wide read of some registers has side effects.
    std::vector<uint8> bytes(static_cast<size_t>(count));
    for (int32 n = 0; n < count; ++n) {
        if (IsQuitting() || (stoppable && serial < *fNewestRequest))
            return false;
        bytes[n] = uint8(read_pci_config(bus, device, function, first + n, 1));
    }
    // Where no function answers, there is nowhere else it could be.
    pci_location location{0, bus, device, function};
    get_pci_location(bus, device, function, &location);
    reply->AddData(kBytesField, B_RAW_TYPE, bytes.data(), ssize_t(bytes.size()));
    reply->AddInt32(kSizeField, get_pci_config_size(bus, device, function));
    reply->AddInt32(kDomainField, int32(location.domain));
    reply->AddInt8(kRealBusField, int8(location.bus));
    return true;
}
