#ifndef PCIZ_PCI_REGMAP_REGISTER_TEXT_H
#define PCIZ_PCI_REGMAP_REGISTER_TEXT_H

// The register map's answers in words, for tooltips and menus.

#include "Register.h"
#include "RegisterMap.h"

#include <span>
#include <string>

// One access for the whole register, or bit by bit where its bits differ:
// "read-only (bits 0-7, 9-10), write 1 to clear (bits 8, 11-15), reserved (bits 1-2)".
std::string DescribeAccess(const Register& reg);

// "type 0 header", "PCI Express capability at 0x40",
// "Advanced Error Reporting extended capability at 0x100".
std::string StructureTitle(const RegisterMap::Structure& structure);

// The located register's value in bytes (the function's bytes, as the map was built from),
// with its named bits decoded: "0x0107: I/O+ Mem+ BusMaster+ ...",
// "0x1043: Speed 8GT/s, Width x4, Train- SlotClk+ ...". A register without named bits gives
// its value; one longer than 4 bytes its dwords. "not readable" where the bytes were not read;
// empty where the offset is in no register.
std::string DescribeValue(const RegisterMap::Location& location, std::span<const uint8> bytes);

#endif
