#ifndef PCIZ_TESTS_RECORD_BUS_H
#define PCIZ_TESTS_RECORD_BUS_H

// A bus that hands out ready-made records, so the device window can be shown exactly the
// values a test chose, independent of how a configuration image is decoded; it reaches as
// much of the configuration space as a test says.

#include <PCI.h>
#include <PciBus.h>
#include <PciBusSelection.h>

#include <vector>

class RecordBus final : public PciBus {
public:
    explicit RecordBus(std::vector<pci_info> records) : fRecords(std::move(records))
    {
        InstallPciBus(this);
    }
    ~RecordBus() override { InstallPciBus(nullptr); }

    status_t GetNthInfo(int32 index, pci_info* info) override
    {
        return size_t(index) < fRecords.size() ? (*info = fRecords[index], B_OK) : B_ERROR;
    }
    uint32 Read(uint8, uint8, uint8, int32, int32) override { return 0xFF; }
    void Write(uint8, uint8, uint8, int32, int32, uint32) override {}
    pci_config_reach Reach() override { return reach; }

    pci_config_reach reach = PCI_REACH_ALL;

private:
    std::vector<pci_info> fRecords;
};

#endif
