#ifndef PCIZ_PCI_REGMAP_REGISTER_H
#define PCIZ_PCI_REGMAP_REGISTER_H

// What the register map knows of one register: its place in its structure, its name, how
// software may access it and the names of its bits. Every register is a constant in the map's
// tables, so callers may keep pointers to them for the life of the program.

#include <SupportDefs.h>

#include <optional>
#include <span>

enum class Access : uint8 {
    ReadOnly,
    ReadWrite,
    WriteOneToClear,
    Reserved,
};

enum class FieldFormat : uint8 {
    Plain,   // one bit: "Name+" or "Name-"; wider: its word where words are given, else decimal
    Hex,     // the field's value in hex
    Address, // the bits where they stand, not shifted down: an address or an offset
    Lanes,   // a link width: x1, x4 ...
    Count,   // the field holds the count less one
};

struct Field {
    uint32 mask;
    const char* name;
    // Bits of a field without an access of their own share the register's.
    std::optional<Access> access = {};
    FieldFormat format = FieldFormat::Plain;
    std::span<const char* const> words = {}; // indexed by the field's value; null: no word
};

struct Register {
    uint16 offset; // from the start of its structure
    uint16 size;   // in bytes; 0: up to the end of its structure
    const char* name;
    Access access;
    // In a register that names bits, the bits no field names are reserved.
    std::span<const Field> fields = {};
    // Shape flags of its structure that must all hold for the register to be there.
    uint32 when = 0;
};

#endif
