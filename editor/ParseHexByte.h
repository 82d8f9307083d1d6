#ifndef PCIZ_EDITOR_PARSE_HEX_BYTE_H
#define PCIZ_EDITOR_PARSE_HEX_BYTE_H

#include <SupportDefs.h>

// The byte that the last two characters of text spell as hexadecimal digits.
// Characters that are not hex digits count as the digit 0; an empty text gives 0.
uint8 ParseHexByte(const char* text);

#endif
