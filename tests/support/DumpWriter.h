#ifndef PCIZ_TESTS_DUMP_WRITER_H
#define PCIZ_TESTS_DUMP_WRITER_H

// Dump files in the format of `lspci -x` ... `-xxxx`, so the PCI code can be tested on
// functions described here instead of on hardware.

#include <SupportDefs.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

struct DumpedFunction {
    std::string location; // [domain:]bus:device.function, as lspci prints it
    std::vector<uint8> bytes;
};

// length bytes in a pattern, with the IDs and the header type in their places.
inline std::vector<uint8> Image(uint16 vendorId, uint16 deviceId, uint8 headerType, size_t length)
{
    std::vector<uint8> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = uint8(i * 7 + vendorId);
    bytes[0] = uint8(vendorId), bytes[1] = uint8(vendorId >> 8);
    bytes[2] = uint8(deviceId), bytes[3] = uint8(deviceId >> 8);
    bytes[0x0E] = headerType;
    return bytes;
}

// The dump as lspci writes it: a name line, lines of 16 bytes with offsets of two digits (three
// past 0xFF), an empty line after each function.
inline std::string DumpText(const std::vector<DumpedFunction>& functions)
{
    std::ostringstream dump;
    dump << std::hex << std::setfill('0');
    for (const DumpedFunction& function : functions) {
        dump << function.location << " Unassigned class [ff00]: Test function";
        for (size_t i = 0; i < function.bytes.size(); ++i) {
            if (i % 16 == 0)
                dump << '\n' << std::setw(i < 256 ? 2 : 3) << i << ':';
            dump << ' ' << std::setw(2) << unsigned(function.bytes[i]);
        }
        dump << "\n\n";
    }
    return dump.str();
}

// Returns the path of the file written under the test's temporary folder, named for this
// process, as tests run side by side.
inline std::string WriteDump(const std::string& name, const std::string& text)
{
    const std::string path = testing::TempDir() + std::to_string(getpid()) + "-" + name;
    std::ofstream(path) << text;
    return path;
}

inline std::string WriteDump(const std::string& name, const std::vector<DumpedFunction>& functions)
{
    return WriteDump(name, DumpText(functions));
}

#endif
