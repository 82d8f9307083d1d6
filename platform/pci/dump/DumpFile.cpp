#include "DumpFile.h"

#include "HostBus.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// libpci tells only that a dump failed, not why, so what keeps the file from being read is
// found out first. Its contents are left to libpci: a pipe can be read only once.
std::string AccessProblem(const std::string& path)
{
    // Non-blocking, so that a pipe nobody writes to yet cannot hang the check.
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return "cannot read " + path + ": " + std::strerror(errno);
    struct stat status {};
    fstat(file, &status);
    close(file);
    if (S_ISDIR(status.st_mode))
        return "cannot read " + path + ": " + std::strerror(EISDIR);
    if (S_ISREG(status.st_mode) && status.st_size == 0)
        return path + " is empty";
    return {};
}

// A failed read of the dump, past the bytes it holds, gives all ones.
SimulatedFunction CopyOf(HostBus& dump, const pci_info& info)
{
    std::array<uint8, config::kSpaceSize> image;
    for (int32 offset = 0; offset < config::kSpaceSize; ++offset)
        image[offset] = uint8(dump.Read(info.bus, info.device, info.function, offset, 1));
    return SimulatedFunction({info.bus, info.device, info.function}, image);
}

} // namespace

DumpFile::DumpFile(const std::string& path) : fPath(path), fProblem(AccessProblem(path))
{
    if (!fProblem.empty())
        return;
    HostBus dump("dump", {{"dump.name", path}});
    pci_info info;
    for (int32 index = 0; dump.GetNthInfo(index, &info) == B_OK; ++index) {
        // A function listed without its bytes reads vendor ID FFFF, which on a bus means that
        // no function answers.
        if (info.vendor_id != 0xFFFF)
            fFunctions.push_back(CopyOf(dump, info));
    }
    // libpci skips lines it does not know and gives up on a malformed one, with no function
    // either way.
    if (fFunctions.empty())
        fProblem = path + " holds no PCI function in the format of lspci -x";
}

const std::string& DumpFile::Problem() const { return fProblem; }

const std::vector<SimulatedFunction>& DumpFile::Functions() const { return fFunctions; }

std::string DumpFile::MachineName() const
{
    return std::filesystem::path(fPath).filename().string() + ", simulated";
}
