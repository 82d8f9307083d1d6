#include "ProgramOptions.h"

#include "ProgramVersion.h"

#include <cstdio>
#include <cstring>

bool AsksForHelp(const char* argument)
{
    return std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0;
}

bool AsksForVersion(const char* argument) { return std::strcmp(argument, "--version") == 0; }

void PrintVersion(const char* program) { std::printf("%s %s\n", program, kProgramVersion); }
