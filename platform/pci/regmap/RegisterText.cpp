#include "RegisterText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <string_view>

namespace {

constexpr int32 kMaxRegisterBits = 32;

std::string Hex(uint32 value, int digits = 1)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

uint32 Gather(std::span<const uint8> bytes)
{
    uint32 value = 0;
    for (size_t i = bytes.size(); i-- > 0;)
        value = value << 8 | bytes[i];
    return value;
}

bool IsFlag(const Field& field)
{
    return field.format == FieldFormat::Plain && field.words.empty()
           && std::has_single_bit(field.mask);
}

std::string FieldValue(const Field& field, uint32 value, int32 size)
{
    const uint32 shifted = (value & field.mask) >> std::countr_zero(field.mask);
    switch (field.format) {
    case FieldFormat::Hex:
        return Hex(shifted);
    case FieldFormat::Address:
        return Hex(value & field.mask, 2 * size);
    case FieldFormat::Lanes:
        return "x" + std::to_string(shifted);
    case FieldFormat::Count:
        return std::to_string(shifted + 1);
    case FieldFormat::Plain:
        break;
    }
    if (shifted < field.words.size() && field.words[shifted] != nullptr)
        return field.words[shifted];
    return std::to_string(shifted);
}

// Flags read as lspci shows them, "Name+" or "Name-", one space apart; wider fields as
// "Name value" followed by a comma.
std::string DecodeFields(std::span<const Field> fields, uint32 value, int32 size)
{
    std::string text;
    for (const Field& field : fields) {
        if (IsFlag(field))
            text += std::string(field.name) + ((value & field.mask) != 0 ? "+ " : "- ");
        else
            text += std::string(field.name) + ' ' + FieldValue(field, value, size) + ", ";
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == ','))
        text.pop_back();
    return text;
}

std::string Dwords(std::span<const uint8> bytes)
{
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 4) {
        const auto dword = bytes.subspan(i, std::min<size_t>(4, bytes.size() - i));
        char part[16];
        std::snprintf(part, sizeof part, "%s%0*X", i == 0 ? "" : " ", int(2 * dword.size()),
                      Gather(dword));
        text += part;
    }
    return text;
}

// "bit 8" or "bits 8, 11-15": where bits has access.
std::string BitRanges(std::span<const Access> bits, Access access)
{
    std::string ranges;
    size_t found = 0;
    for (size_t first = 0; first < bits.size(); ++first) {
        if (bits[first] != access || (first > 0 && bits[first - 1] == access))
            continue;
        size_t last = first;
        while (last + 1 < bits.size() && bits[last + 1] == access)
            ++last;
        ranges += (ranges.empty() ? "" : ", ") + std::to_string(first)
                  + (last > first ? "-" + std::to_string(last) : "");
        found += last - first + 1;
    }
    return (found == 1 ? "bit " : "bits ") + ranges;
}

// "read-only", "read/write", "write 1 to clear" or "reserved".
const char* AccessName(Access access)
{
    switch (access) {
    case Access::ReadOnly:
        return "read-only";
    case Access::ReadWrite:
        return "read/write";
    case Access::WriteOneToClear:
        return "write 1 to clear";
    case Access::Reserved:
        break;
    }
    return "reserved";
}

} // namespace

std::string DescribeAccess(const Register& reg)
{
    if (reg.fields.empty() || reg.size == 0 || reg.size > 4)
        return AccessName(reg.access);
    std::array<Access, kMaxRegisterBits> all;
    all.fill(Access::Reserved);
    const auto bits = std::span(all).first(size_t(8 * reg.size));
    for (const Field& field : reg.fields) {
        for (size_t bit = 0; bit < bits.size(); ++bit) {
            if ((field.mask >> bit & 1) != 0)
                bits[bit] = field.access.value_or(reg.access);
        }
    }
    if (std::ranges::count(bits, bits[0]) == std::ssize(bits))
        return AccessName(bits[0]);
    std::string text;
    for (size_t bit = 0; bit < bits.size(); ++bit) {
        if (std::ranges::find(bits.first(bit), bits[bit]) != bits.first(bit).end())
            continue;
        text += (text.empty() ? "" : ", ") + std::string(AccessName(bits[bit])) + " ("
                + BitRanges(bits, bits[bit]) + ")";
    }
    return text;
}

std::string StructureTitle(const RegisterMap::Structure& structure)
{
    using StructureKind = RegisterMap::StructureKind;
    if (structure.kind == StructureKind::Header)
        return structure.name;
    const char* kind =
        structure.kind == StructureKind::Capability ? "capability" : "extended capability";
    const std::string at = " at " + Hex(uint32(structure.offset), 2);
    if (!structure.readable)
        return std::string(kind) + at + ", not readable";
    if (std::string_view(structure.name) == RegisterMap::kUnknown)
        return std::string(kind) + ' ' + Hex(structure.id, 2) + at;
    return std::string(structure.name) + ' ' + kind + at;
}

std::string DescribeValue(const RegisterMap::Location& location, std::span<const uint8> bytes)
{
    if (location.reg == nullptr)
        return {};
    if (!location.readable || location.first < 0
        || size_t(location.first) + size_t(location.size) > bytes.size())
        return "not readable";
    const auto own = bytes.subspan(size_t(location.first), size_t(location.size));
    if (own.size() > 4)
        return Dwords(own);
    const uint32 value = Gather(own);
    const std::string hex = Hex(value, 2 * location.size);
    if (location.reg->fields.empty())
        return hex;
    return hex + ": " + DecodeFields(location.reg->fields, value, location.size);
}
