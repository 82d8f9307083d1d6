#ifndef PCIZ_PCI_HOST_BUS_H
#define PCIZ_PCI_HOST_BUS_H

#include "FunctionIndex.h"
#include "PciBus.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

struct pci_access;
struct pci_dev;

// This machine's PCI functions of every domain, through libpci. They are listed once, when the
// bus is made, in (domain, bus, device, function) order; a bus whose number an earlier domain
// already has is reached under a free one. Reads go through a read-only handle, never through
// libpci's config cache: one read per call, and for each record its header in one block. A
// failed read gives all ones.
class HostBus final : public PciBus {
public:
    using Parameters = std::vector<std::pair<std::string, std::string>>;

    // The kernel's sysfs interface, and nothing else.
    HostBus();
    // A libpci access method by name, such as "linux-sysfs" or "dump", with its parameters,
    // such as {"dump.name", path}. An unknown method, or one that fails, gives an empty bus.
    HostBus(const std::string& method, Parameters parameters);
    ~HostBus() override;

    HostBus(const HostBus&) = delete;
    HostBus& operator=(const HostBus&) = delete;

    status_t GetNthInfo(int32 index, pci_info* info) override;
    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override;
    void Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
               uint32 value) override;
    int32 ConfigSize(uint8 bus, uint8 device, uint8 function) override;
    // Known from the listing alone: it never waits for the bus.
    std::optional<PciLocation> Location(uint8 bus, uint8 device, uint8 function) override;
    // Found out once, when the bus is made: it never waits for the bus either.
    pci_config_reach Reach() override;

private:
    struct Function {
        pci_dev* handle;
        // 0 until first asked for: finding out takes a read.
        int32 size = 0;
    };

    HostBus(int method, Parameters parameters);
    pci_access* Open(bool writeable) const;
    void Enumerate();
    Function* Find(PciAddress address);
    pci_config_reach FindReach() const;
    bool CanWrite(const PciLocation& location) const;

    const int fMethod;
    const Parameters fParameters;
    pci_access* fReader = nullptr;
    // In listing order, as fIndex lists them.
    std::vector<Function> fFunctions;
    FunctionIndex fIndex;
    pci_config_reach fReach = PCI_REACH_ALL;
    std::mutex fLock;
};

#endif
