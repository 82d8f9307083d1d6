#ifndef PCIZ_APP_FUNCTION_FIELDS_H
#define PCIZ_APP_FUNCTION_FIELDS_H

// The "bus", "device" and "function" fields that name a function in the editor address message
// and the write request, each an Int8 holding an unsigned byte.

#include <SupportDefs.h>

class BMessage;

// Puts the three fields in message, in place of any it already carries: fields of these names
// already there would be read first (docs/departures.md).
void PutFunction(BMessage* message, uint8 bus, uint8 device, uint8 function);

// The function message names; the outputs are left alone unless all three fields are there.
bool FindFunction(const BMessage* message, uint8* bus, uint8* device, uint8* function);

#endif
