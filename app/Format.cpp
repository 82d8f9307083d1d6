#include "Format.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list measured;
    va_copy(measured, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measured);
    va_end(measured);
    std::string text(length > 0 ? size_t(length) : 0, '\0');
    // The terminating zero lands on the string's own.
    std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}
