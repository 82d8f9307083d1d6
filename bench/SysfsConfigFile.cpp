#include "SysfsConfigFile.h"

#include <SysfsFunction.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::string ConfigPath(PciAddress address)
{
    for (const SysfsFunction& function : ListSysfsFunctions()) {
        if (function.location.address == address)
            return function.directory / "config";
    }
    return {};
}

} // namespace

SysfsConfigFile::SysfsConfigFile(PciAddress address) : fPath(ConfigPath(address))
{
    if (!fPath.empty())
        fDescriptor = open(fPath.c_str(), O_RDONLY | O_CLOEXEC);
}

SysfsConfigFile::~SysfsConfigFile()
{
    if (fDescriptor >= 0)
        close(fDescriptor);
}

bool SysfsConfigFile::IsOpen() const { return fDescriptor >= 0; }

const std::string& SysfsConfigFile::Path() const { return fPath; }

void SysfsConfigFile::ReadEachByte(Bytes& bytes, off_t start) const
{
    for (size_t offset = 0; offset < bytes.size(); ++offset) {
        if (pread(fDescriptor, &bytes[offset], 1, start + off_t(offset)) != 1)
            bytes[offset] = 0xFF;
    }
}

void SysfsConfigFile::ReadAtOnce(Bytes& bytes, off_t start) const
{
    const ssize_t count = pread(fDescriptor, bytes.data(), bytes.size(), start);
    for (size_t offset = count > 0 ? size_t(count) : 0; offset < bytes.size(); ++offset)
        bytes[offset] = 0xFF;
}
