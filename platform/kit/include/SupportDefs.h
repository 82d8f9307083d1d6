#ifndef PCIZ_KIT_SUPPORT_DEFS_H
#define PCIZ_KIT_SUPPORT_DEFS_H

// Fixed-width names and status codes shared by the kit, the PCI calls and the system code.

#include <cstdint>

typedef int8_t int8;
typedef uint8_t uint8;
typedef int16_t int16;
typedef uint16_t uint16;
typedef int32_t int32;
typedef uint32_t uint32;
typedef int64_t int64;
typedef uint64_t uint64;
typedef unsigned char uchar;

typedef int32 status_t;
typedef uint32 type_code;
// Microseconds.
typedef int64 bigtime_t;

enum : status_t {
    B_OK = 0,
    B_ERROR = -1,
    B_NO_MEMORY = INT32_MIN,
    B_BAD_VALUE = INT32_MIN + 5,
    B_BAD_TYPE = INT32_MIN + 6,
    B_NAME_NOT_FOUND = INT32_MIN + 7,
    B_BAD_INDEX = INT32_MIN + 9,
    B_BAD_PORT_ID = INT32_MIN + 0x1000,
};

// A four-character code such as 'RITE', packed first character highest, without relying on
// the compiler's treatment of multi-character literals.
constexpr uint32 FourCharCode(const char (&code)[5])
{
    return (uint32(uint8(code[0])) << 24) | (uint32(uint8(code[1])) << 16)
           | (uint32(uint8(code[2])) << 8) | uint32(uint8(code[3]));
}

#endif
