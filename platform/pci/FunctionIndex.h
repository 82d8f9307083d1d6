#ifndef PCIZ_PCI_FUNCTION_INDEX_H
#define PCIZ_PCI_FUNCTION_INDEX_H

#include "PciLocation.h"

#include <optional>
#include <unordered_map>
#include <vector>

// The functions a bus lists, in (domain, bus, device, function) order, each under the address
// the three calls name it by. Bus, device and function alone must name one function, so a bus
// keeps its own number where no earlier domain has a bus of that number, and is otherwise
// reached under the lowest number no domain uses. Looking a function up by that address takes
// about the same time however many functions there are.
class FunctionIndex {
public:
    FunctionIndex() = default;
    // locations sorted and without repeats. A function whose bus can get no number of its own
    // (all 256 are taken) is not listed.
    explicit FunctionIndex(const std::vector<PciLocation>& locations);

    struct Entry {
        // Its place among the locations given.
        size_t source;
        PciLocation location;
        // The address the calls name it by.
        PciAddress address;
    };

    size_t Count() const { return fEntries.size(); }
    const Entry& operator[](size_t n) const { return fEntries[n]; }
    // The number of the entry listed under address.
    std::optional<size_t> Find(PciAddress address) const;
    // Where the function listed under address really sits.
    std::optional<PciLocation> LocationOf(PciAddress address) const;

private:
    static uint32 Key(PciAddress address);

    std::vector<Entry> fEntries;
    // Entry numbers by address.
    std::unordered_map<uint32, uint32> fByAddress;
};

#endif
