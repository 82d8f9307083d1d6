#ifndef PCIZ_TESTS_EDITOR_REQUESTS_H
#define PCIZ_TESTS_EDITOR_REQUESTS_H

// The messages the editor takes, built as the device window and the cells build them.

#include <Message.h>
#include <PciAddress.h>
#include <WindowMessages.h>

inline BMessage AddressMessage(PciAddress address, uint32 what = kEditorAddress)
{
    BMessage message(what);
    message.AddInt8(kBusField, int8(address.bus));
    message.AddInt8(kDeviceField, int8(address.device));
    message.AddInt8(kFunctionField, int8(address.function));
    return message;
}

// A byte typed at offset of the function at address.
inline BMessage WriteRequest(PciAddress address, int32 offset, uint8 byte)
{
    BMessage request = AddressMessage(address, kWriteRequest);
    request.AddInt32(kOffsetField, offset);
    request.AddInt8(kDataField, int8(byte));
    return request;
}

#endif
