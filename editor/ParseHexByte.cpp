#include "ParseHexByte.h"

namespace {

uint8 HexDigitValue(uchar character)
{
    if (character >= '0' && character <= '9')
        return character - '0';
    if (character >= 'A' && character <= 'F')
        return character - 'A' + 10;
    if (character >= 'a' && character <= 'f')
        return character - 'a' + 10;
    return 0;
}

} // namespace

uint8 ParseHexByte(const char* text)
{
    uint8 value = 0;
    for (const char* next = text; *next != '\0'; ++next) {
        // Keeping 8 bits leaves only the last two digits.
        value = static_cast<uint8>(value * 16 + HexDigitValue(static_cast<uchar>(*next)));
    }
    return value;
}
