#include "RowLabels.h"

const char* const kRowLabels[kRowCount] = {
    "Vendor ID",      "Device ID",      "Bus",           "Device",        "Function",
    "Revision",       "Class api",      "Class sub",     "Class base",    "Line size",
    "Latency",        "Self test",      "Header type",   "CardBus CIS",   "Subsystem ID",
    "Sub. Vend. ID",  "Rom Base",       "Rom Base PCI",  "Rom Size",      "Base Registers",
    "Base Regs PCI",  "Base Reg Sizes", "Base Reg Flags", "Interrupt Line", "Interrupt pin",
    "Min Grant",      "Max Latency",
};

const char* const kBridgeLabels[kBridgeRowCount] = {
    "Base Registers",  "Base Regs PCI",    "Base Reg Sizes",  "Base Reg Flags",
    "Primary Bus",     "Secondary Bus",    "Subordinate Bus", "2nd Latency",
    "2nd Status",      "IO Base",          "IO Limit",        "Memory Base",
    "Memory Limit",    "Prefetch Base",    "Prefetch Limit",  "Prefetch Base32",
    "Prefetch Limit32", "IO Base upper16", "IO Limit upper16", "Rom Base",
    "Rom Base PCI",    "Interrupt Line",   "Interrupt pin",   "Bridge Control",
};
