#ifndef PCIZ_BENCH_SYSFS_CONFIG_FILE_H
#define PCIZ_BENCH_SYSFS_CONFIG_FILE_H

#include <PciAddress.h>

#include <sys/types.h>

#include <array>
#include <string>

// A function's configuration file in sysfs, opened for reading: what the kernel serves
// without the program or libpci in between. The function is the one the host bus lists for
// the address, that of the lowest domain.
class SysfsConfigFile {
public:
    using Bytes = std::array<uint8, 256>;

    explicit SysfsConfigFile(PciAddress address);
    ~SysfsConfigFile();
    SysfsConfigFile(const SysfsConfigFile&) = delete;
    SysfsConfigFile& operator=(const SysfsConfigFile&) = delete;

    bool IsOpen() const;
    const std::string& Path() const;
    // One read of one byte per offset of the page at start, as the editor reads.
    void ReadEachByte(Bytes& bytes, off_t start = 0) const;
    // One read of all 256 bytes: the least the kernel can be asked to do.
    void ReadAtOnce(Bytes& bytes, off_t start = 0) const;

private:
    std::string fPath;
    int fDescriptor = -1;
};

#endif
