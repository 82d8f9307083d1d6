#ifndef PCIZ_APP_FORMAT_H
#define PCIZ_APP_FORMAT_H

#include <string>

// printf into a string of whatever length the text takes; the compiler checks the arguments
// against the format.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

#endif
