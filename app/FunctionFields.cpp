#include "FunctionFields.h"

#include "WindowMessages.h"

#include <Message.h>

void PutFunction(BMessage* message, uint8 bus, uint8 device, uint8 function)
{
    message->RemoveName(kBusField);
    message->RemoveName(kDeviceField);
    message->RemoveName(kFunctionField);
    message->AddInt8(kBusField, static_cast<int8>(bus));
    message->AddInt8(kDeviceField, static_cast<int8>(device));
    message->AddInt8(kFunctionField, static_cast<int8>(function));
}

bool FindFunction(const BMessage* message, uint8* bus, uint8* device, uint8* function)
{
    int8 fields[3];
    if (message->FindInt8(kBusField, &fields[0]) != B_OK
        || message->FindInt8(kDeviceField, &fields[1]) != B_OK
        || message->FindInt8(kFunctionField, &fields[2]) != B_OK)
        return false;
    *bus = static_cast<uint8>(fields[0]);
    *device = static_cast<uint8>(fields[1]);
    *function = static_cast<uint8>(fields[2]);
    return true;
}
