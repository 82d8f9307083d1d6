#include "DumpParser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace {

constexpr uint32 kLastDevice = 0x1F;
constexpr uint32 kLastFunction = 7;
constexpr size_t kBusNumbers = 256;

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

size_t LeadingHexDigits(std::string_view text)
{
    size_t n = 0;
    while (n < text.size() && IsHex(text[n]))
        ++n;
    return n;
}

uint32 HexValue(std::string_view digits)
{
    uint32 value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return value;
}

// "[domain:]bus:device.function" as lspci writes it, followed by a blank or nothing. The
// device and function numbers are as written, before they are checked: two hex digits and one
// always fit.
std::optional<PciLocation> LocationAt(std::string_view line)
{
    uint32 domain = 0;
    const size_t domainDigits = LeadingHexDigits(line);
    if (domainDigits >= 4 && domainDigits <= 8 && line.size() > domainDigits
        && line[domainDigits] == ':') {
        domain = HexValue(line.substr(0, domainDigits));
        line.remove_prefix(domainDigits + 1);
    }
    if (line.size() < 7 || LeadingHexDigits(line) != 2 || line[2] != ':'
        || LeadingHexDigits(line.substr(3)) != 2 || line[5] != '.'
        || LeadingHexDigits(line.substr(6)) != 1 || (line.size() > 7 && line[7] != ' '))
        return std::nullopt;
    return PciLocation(PciAddress{uint8(HexValue(line.substr(0, 2))),
                                  uint8(HexValue(line.substr(3, 2))),
                                  uint8(HexValue(line.substr(6, 1)))},
                       domain);
}

std::string Address(const PciLocation& location)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%04x:%02x:%02x.%x", unsigned(location.domain),
                  location.address.bus, location.address.device, location.address.function);
    return text;
}

} // namespace

bool DumpParser::Take(std::string_view line, int lineNumber)
{
    if (!fProblem.empty())
        return false;
    if (line.empty()) {
        EndFunction();
        return true;
    }
    // An offset of two or three digits and ": " starts a line of bytes; an address starts a
    // function; anything else is lspci's detail, which says nothing about the bytes.
    const size_t digits = LeadingHexDigits(line);
    if ((digits == 2 || digits == 3) && line.substr(digits, 2) == ": ")
        return TakeBytes(line, lineNumber);
    if (digits >= 2 && line.size() > digits && line[digits] == ':')
        return StartFunction(line, lineNumber);
    return true;
}

bool DumpParser::StartFunction(std::string_view line, int lineNumber)
{
    const std::optional<PciLocation> location = LocationAt(line);
    if (!location)
        return true;
    const std::string address = Address(*location);
    if (location->address.device > kLastDevice || location->address.function > kLastFunction)
        return Refuse(lineNumber, address
                                      + " is no PCI address: device numbers end at 1f, function "
                                        "numbers at 7");
    if (const auto first = fLineOf.find(*location); first != fLineOf.end())
        return Refuse(lineNumber, address + " is given a second time (first on line "
                                      + std::to_string(first->second) + ")");
    if (fLineOf.size() == kMostFunctions)
        return Refuse(lineNumber, "more functions than bus, device and function numbers can "
                                  "tell apart ("
                                      + std::to_string(kMostFunctions) + ")");
    fBuses.emplace(location->domain, location->address.bus);
    if (fBuses.size() > kBusNumbers)
        return Refuse(lineNumber, "more buses than bus numbers can tell apart ("
                                      + std::to_string(kBusNumbers) + ")");
    EndFunction();
    fLineOf.emplace(*location, lineNumber);
    fCurrent = Current{*location, std::vector<uint8>(config::kExtendedSpaceSize, 0xFF), 0};
    return true;
}

bool DumpParser::TakeBytes(std::string_view line, int lineNumber)
{
    if (!fCurrent)
        return Refuse(lineNumber, "bytes that follow no function line");
    const size_t digits = LeadingHexDigits(line);
    size_t offset = HexValue(line.substr(0, digits));
    std::string_view rest = line.substr(digits + 1);
    while (!rest.empty()) {
        const size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        rest.remove_prefix(start);
        const std::string_view word = rest.substr(0, rest.find(' '));
        if (word.size() != 2 || LeadingHexDigits(word) != 2)
            return Refuse(lineNumber, "\"" + std::string(word) + "\" is not a byte in hex");
        if (offset >= fCurrent->bytes.size())
            return Refuse(lineNumber, "bytes past the 4096 of a configuration space");
        fCurrent->bytes[offset++] = uint8(HexValue(word));
        fCurrent->length = std::max(fCurrent->length, offset);
        rest.remove_prefix(word.size());
    }
    return true;
}

void DumpParser::EndFunction()
{
    if (!fCurrent)
        return;
    const std::vector<uint8>& bytes = fCurrent->bytes;
    if (fCurrent->length >= 2 && (bytes[0] != 0xFF || bytes[1] != 0xFF))
        fFunctions.emplace_back(fCurrent->location,
                                std::span<const uint8>(bytes).first(fCurrent->length));
    fCurrent.reset();
}

std::vector<SimulatedFunction> DumpParser::Finish()
{
    EndFunction();
    return std::move(fFunctions);
}

bool DumpParser::Refuse(int lineNumber, const std::string& what)
{
    fProblem = "line " + std::to_string(lineNumber) + ": " + what;
    return false;
}
