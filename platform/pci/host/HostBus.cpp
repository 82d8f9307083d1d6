#include "HostBus.h"

#include "ConfigDecoder.h"
#include "LibpciGuard.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

extern "C" {
#include <pci/pci.h>
}

namespace {

// IDs and class come from the header itself.
constexpr int kFactsWanted = PCI_FILL_IRQ | PCI_FILL_BASES | PCI_FILL_ROM_BASE | PCI_FILL_SIZES;
constexpr uint32 kFailedRead = 0xFFFFFFFF;

using Header = std::array<uint8, config::kHeaderSize>;

// libpci takes char* where it only reads or copies.
char* Text(const std::string& text) { return const_cast<char*>(text.c_str()); }

int LookUpMethod(const std::string& name)
{
    int method = -1;
    LibpciGuard::Run([&] { method = pci_lookup_method(Text(name)); });
    return method;
}

void Close(pci_access* access)
{
    if (access != nullptr)
        LibpciGuard::Run([&] { pci_cleanup(access); });
}

uint32 ReadFrom(pci_dev* handle, int32 offset, int32 size)
{
    uint32 value = kFailedRead;
    LibpciGuard::Run([&] {
        switch (size) {
        case 1:
            value = pci_read_byte(handle, offset);
            break;
        case 2:
            value = pci_read_word(handle, offset);
            break;
        default:
            value = pci_read_long(handle, offset);
            break;
        }
    });
    return value;
}

void WriteTo(pci_dev* handle, int32 offset, int32 size, uint32 value)
{
    LibpciGuard::Run([&] {
        switch (size) {
        case 1:
            pci_write_byte(handle, offset, u8(value));
            break;
        case 2:
            pci_write_word(handle, offset, u16(value));
            break;
        default:
            pci_write_long(handle, offset, value);
            break;
        }
    });
}

// One block read lets the kernel fetch the header a register at a time, not a byte at a time:
// a quarter of the accesses, each of which may trap to a hypervisor. Should the block fail, each
// byte is read alone, so that only the bytes that fail read as all ones.
Header HeaderOf(pci_dev* handle)
{
    Header header;
    int read = 0;
    LibpciGuard::Run([&] { read = pci_read_block(handle, 0, header.data(), int(header.size())); });
    if (read == 0) {
        for (int32 offset = 0; offset < config::kHeaderSize; ++offset)
            header[offset] = uint8(ReadFrom(handle, offset, 1));
    }
    return header;
}

// libpci keeps a base address's flags in its low bits, as the register does.
bool IsIo(pciaddr_t address) { return (address & config::kBarIoSpace) != 0; }

bool Is64BitMemory(pciaddr_t address)
{
    return !IsIo(address) && (address & config::kBarMemoryTypeMask) == config::kBarMemory64;
}

// As in the registers, a 64-bit address fills two slots: its low half, then its high half.
std::array<uint32, 6> HostAddresses(const pci_dev* handle)
{
    std::array<uint32, 6> addresses{};
    for (size_t i = 0; i < addresses.size(); ++i) {
        const pciaddr_t address = handle->base_addr[i];
        addresses[i] = uint32(address & (IsIo(address) ? PCI_ADDR_IO_MASK : PCI_ADDR_MEM_MASK));
        if (Is64BitMemory(address) && i + 1 < addresses.size())
            addresses[++i] = uint32(address >> 32);
    }
    return addresses;
}

// The record's fields are 32 bits wide: a size or ROM address past 4 GiB keeps its low half.
PlatformFacts FactsOf(pci_dev* handle)
{
    int known = 0;
    LibpciGuard::Run([&] { known = pci_fill_info(handle, kFactsWanted); });
    PlatformFacts facts;
    if ((known & PCI_FILL_BASES) != 0)
        facts.hostAddresses = HostAddresses(handle);
    if ((known & PCI_FILL_SIZES) != 0) {
        for (size_t i = 0; i < facts.sizes.size(); ++i)
            facts.sizes[i] = uint32(handle->size[i]);
        facts.romSize = uint32(handle->rom_size);
    }
    if ((known & PCI_FILL_ROM_BASE) != 0)
        facts.romHostAddress = uint32(handle->rom_base_addr) & config::kRomAddressMask;
    // libpci gives 0 for no IRQ; numbers past 255 do not fit the interrupt line.
    if ((known & PCI_FILL_IRQ) != 0 && handle->irq > 0 && handle->irq <= 0xFF)
        facts.interruptLine = uint8(handle->irq);
    return facts;
}

} // namespace

// The kernel's sysfs files only: libpci's automatic choice would fall back to /proc, whose
// reader misplaces base addresses above 4 GiB, and then to direct configuration port I/O,
// which races the kernel. Without sysfs the bus is empty.
HostBus::HostBus() : HostBus(PCI_ACCESS_SYS_BUS_PCI, {}) {}

HostBus::HostBus(const std::string& method, Parameters parameters)
    : HostBus(LookUpMethod(method), std::move(parameters))
{
}

HostBus::HostBus(int method, Parameters parameters)
    : fMethod(method), fParameters(std::move(parameters))
{
    Enumerate();
}

HostBus::~HostBus() { Close(fReader); }

status_t HostBus::GetNthInfo(int32 index, pci_info* info)
{
    std::lock_guard lock(fLock);
    if (index >= int32(fFunctions.size()))
        return B_BAD_INDEX;
    pci_dev* handle = fFunctions[index].handle;
    const Header header = HeaderOf(handle);
    *info = ConfigDecoder(fIndex[index].address, header, FactsOf(handle)).Decode();
    return B_OK;
}

uint32 HostBus::Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size)
{
    std::lock_guard lock(fLock);
    const Function* target = Find({bus, device, function});
    return target != nullptr ? ReadFrom(target->handle, offset, size) : kFailedRead;
}

int32 HostBus::ConfigSize(uint8 bus, uint8 device, uint8 function)
{
    std::lock_guard lock(fLock);
    Function* target = Find({bus, device, function});
    if (target == nullptr)
        return config::kSpaceSize;
    if (target->size == 0) {
        // The kernel serves the extended space only where the function has one and the reader
        // may see it: a user without root gets the first 64 bytes of anything.
        u8 byte = 0;
        int whole = 0;
        LibpciGuard::Run(
            [&] { whole = pci_read_block(target->handle, config::kSpaceSize, &byte, 1); });
        target->size = whole != 0 ? config::kExtendedSpaceSize : config::kSpaceSize;
    }
    return target->size;
}

std::optional<PciLocation> HostBus::Location(uint8 bus, uint8 device, uint8 function)
{
    return fIndex.LocationOf({bus, device, function});
}

void HostBus::Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size, uint32 value)
{
    std::lock_guard lock(fLock);
    const std::optional<size_t> n = fIndex.Find({bus, device, function});
    if (!n)
        return;
    const PciLocation& location = fIndex[*n].location;
    // A writeable handle opened by a user without root fails even its reads, so one is
    // opened for each write and closed right after.
    pci_access* writer = Open(true);
    if (writer == nullptr)
        return;
    pci_dev* handle = nullptr;
    LibpciGuard::Run([&] {
        handle = pci_get_dev(writer, int(location.domain), location.address.bus,
                             location.address.device, location.address.function);
    });
    if (handle != nullptr) {
        WriteTo(handle, offset, size, value);
        LibpciGuard::Run([&] { pci_free_dev(handle); });
    }
    Close(writer);
}

pci_access* HostBus::Open(bool writeable) const
{
    if (fMethod < 0)
        return nullptr;
    pci_access* access = nullptr;
    if (!LibpciGuard::Run([&] { access = pci_alloc(); }) || access == nullptr)
        return nullptr;
    LibpciGuard::InstallHooks(access);
    access->method = unsigned(fMethod);
    access->writeable = writeable;
    // Numbers only: we never ask for names, and libpci must not go looking for any, least of
    // all over the network.
    access->numeric_ids = 1;
    for (const auto& parameter : fParameters)
        LibpciGuard::Run(
            [&] { pci_set_param(access, Text(parameter.first), Text(parameter.second)); });
    if (LibpciGuard::Run([&] { pci_init(access); }))
        return access;
    Close(access);
    return nullptr;
}

void HostBus::Enumerate()
{
    fReader = Open(false);
    if (fReader == nullptr)
        return;
    // A scan that fails half-way, say as a function is being removed, keeps what it listed.
    LibpciGuard::Run([&] { pci_scan_bus(fReader); });
    std::vector<std::pair<PciLocation, pci_dev*>> found;
    for (pci_dev* handle = fReader->devices; handle != nullptr; handle = handle->next) {
        const PciAddress address{handle->bus, handle->dev, handle->func};
        found.emplace_back(PciLocation(address, uint32(handle->domain)), handle);
    }
    std::ranges::sort(found, {}, &std::pair<PciLocation, pci_dev*>::first);
    std::vector<PciLocation> locations;
    for (const auto& [location, handle] : found)
        locations.push_back(location);
    fIndex = FunctionIndex(locations);
    for (size_t n = 0; n < fIndex.Count(); ++n)
        fFunctions.push_back({found[fIndex[n].source].second});
    fReach = FindReach();
}

HostBus::Function* HostBus::Find(PciAddress address)
{
    const std::optional<size_t> n = fIndex.Find(address);
    return n ? &fFunctions[*n] : nullptr;
}

pci_config_reach HostBus::Reach() { return fReach; }

pci_config_reach HostBus::FindReach() const
{
    if (fFunctions.empty())
        return PCI_REACH_ALL;
    const Function& first = fFunctions.front();
    // The kernel gives a reader without the rights the first 64 bytes and no more, so a read
    // just past them comes back short.
    u8 byte = 0;
    int whole = 0;
    LibpciGuard::Run([&] { whole = pci_read_block(first.handle, config::kHeaderSize, &byte, 1); });
    if (whole == 0)
        return PCI_REACH_FIRST_64_BYTES;
    return CanWrite(fIndex[0].location) ? PCI_REACH_ALL : PCI_REACH_READ_ONLY;
}

// Only the kernel's sysfs files can be written, and only by whoever may open them for
// writing; the other methods (a dump file) take no writes at all.
bool HostBus::CanWrite(const PciLocation& location) const
{
    if (fReader->method != PCI_ACCESS_SYS_BUS_PCI)
        return false;
    const char* root = nullptr;
    LibpciGuard::Run([&] { root = pci_get_param(fReader, Text("sysfs.path")); });
    if (root == nullptr)
        return false;
    char path[512];
    std::snprintf(path, sizeof(path), "%s/devices/%04x:%02x:%02x.%d/config", root,
                  unsigned(location.domain), location.address.bus, location.address.device,
                  location.address.function);
    return faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) == 0;
}
