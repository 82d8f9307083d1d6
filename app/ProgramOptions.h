#ifndef PCIZ_APP_PROGRAM_OPTIONS_H
#define PCIZ_APP_PROGRAM_OPTIONS_H

// The options both programs answer before any window opens.

// "-h" or "--help": what the program is and how it is started.
bool AsksForHelp(const char* argument);
// "--version".
bool AsksForVersion(const char* argument);
// Prints "program v1.0": the version the device window shows.
void PrintVersion(const char* program);

#endif
