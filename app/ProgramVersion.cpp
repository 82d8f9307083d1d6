#include "ProgramVersion.h"

const char kProgramVersion[] = "v" PCIZ_PROJECT_VERSION;
