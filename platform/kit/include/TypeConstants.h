#ifndef PCIZ_KIT_TYPE_CONSTANTS_H
#define PCIZ_KIT_TYPE_CONSTANTS_H

#include <SupportDefs.h>

// Type codes of message fields.
enum : type_code {
    B_INT8_TYPE = FourCharCode("BYTE"),
    B_INT32_TYPE = FourCharCode("LONG"),
    B_INT64_TYPE = FourCharCode("LLNG"),
    B_STRING_TYPE = FourCharCode("CSTR"),
    B_POINT_TYPE = FourCharCode("BPNT"),
    B_RAW_TYPE = FourCharCode("RAWT"),
};

#endif
