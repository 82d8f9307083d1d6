#ifndef PCIZ_APP_PROGRAM_VERSION_H
#define PCIZ_APP_PROGRAM_VERSION_H

// The version the device window shows and --version prints, "v1.0": the project's version,
// which the package carries too, set in one place (the top CMakeLists.txt).
extern const char kProgramVersion[];

#endif
