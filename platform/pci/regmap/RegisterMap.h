#ifndef PCIZ_PCI_REGMAP_REGISTER_MAP_H
#define PCIZ_PCI_REGMAP_REGISTER_MAP_H

#include "Register.h"

#include <SupportDefs.h>

#include <span>
#include <vector>

class ConfigBytes;
struct FunctionFacts;

// Which register each offset of a function's configuration space belongs to: the header of
// its layout, its capability chain and its extended capability chain. Built once from the
// function's bytes; the bytes are not kept, so the map answers about the layout they had.
// The chains are untrusted: walks end on loops, bad pointers and the end of what was read,
// and nothing outside the bytes given is ever read.
class RegisterMap {
public:
    enum class StructureKind : uint8 {
        Header,
        Capability,
        ExtendedCapability,
    };

    // The names of a capability whose ID the tables do not know, and of one past what was
    // read.
    static constexpr const char* kUnknown = "Unknown";
    static constexpr const char* kNotReadable = "Not readable";

    struct Structure {
        StructureKind kind;
        uint16 id;    // the capability's ID; for the header, its layout (0x7F: unknown)
        int32 offset; // where it starts
        int32 extent; // how many bytes from there it is known to span
        const char* name;
        bool readable; // false: it lies past what was read, so its ID is unknown
    };

    enum class Kind : uint8 {
        Register,       // a known register
        Unused,         // inside a structure, but in none of its registers
        DeviceSpecific, // outside every known structure
        NotReadable,    // past what was read, and in no register known without reading
    };

    struct Location {
        Kind kind;
        bool readable;       // whether every byte of [first, first + size) was read
        const Register* reg; // for Kind::Register, else null
        int32 first;         // the register, the unused run, or the byte itself
        int32 size;
        const Structure* structure; // for Register and Unused, else null
    };

    // bytes: the function's space as read (64, 256 or 4096 bytes); readable: how many of them
    // could really be read (64 for a user without root). Bytes past readable are never decoded.
    RegisterMap(std::span<const uint8> bytes, int32 readable);

    int32 Size() const;
    // Every capability found, standard chain first, each in chain order.
    std::span<const Structure> Capabilities() const;
    // Any offset; one outside 0 .. Size() - 1 is not readable.
    Location Locate(int32 offset) const;

private:
    struct Entry {
        uint16 first;
        uint16 size;
        uint16 structure;
        const Register* reg; // null for an unused run
    };

    void PlaceCapability(const ConfigBytes& bytes, size_t index, const FunctionFacts& facts);
    void Claim(int32 first, int32 size, size_t structure, const Register* reg);
    void ClaimUnused(size_t structure);

    int32 fSize;
    int32 fReadable;
    std::vector<Structure> fStructures; // the header, then the capabilities
    std::vector<Entry> fEntries;
    std::vector<uint16> fOwner; // per byte: its entry, or kNoEntry
};

#endif
