#ifndef PCIZ_PCI_HOST_BUS_H
#define PCIZ_PCI_HOST_BUS_H

#include "PciAddress.h"
#include "PciBus.h"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

struct pci_access;
struct pci_dev;

// This machine's PCI functions, through libpci. They are listed once, when the bus is made,
// in (domain, bus, device, function) order; a function whose (bus, device, function) repeats
// one of an earlier domain is left out, as the calls could never reach it. Reads go through a
// read-only handle, never through libpci's config cache: one read per call, and for each
// record its header in one block. A failed read gives all ones.
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
    pci_config_reach Reach() override;

private:
    struct Function {
        pci_dev* handle;
        int domain;
        PciAddress address;
    };

    HostBus(int method, Parameters parameters);
    pci_access* Open(bool writeable) const;
    void Enumerate();
    const Function* Find(PciAddress address) const;
    bool CanWrite(const Function& function) const;

    const int fMethod;
    const Parameters fParameters;
    pci_access* fReader = nullptr;
    std::vector<Function> fFunctions;
    std::mutex fLock;
};

#endif
