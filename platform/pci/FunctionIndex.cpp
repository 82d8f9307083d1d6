#include "FunctionIndex.h"

#include <array>
#include <map>
#include <utility>

namespace {

constexpr int kBusNumbers = 256;

// The bus number each (domain, bus) is reached under; none where all are taken.
std::map<std::pair<uint32, uint8>, std::optional<uint8>>
NumberBuses(const std::vector<PciLocation>& locations)
{
    std::array<bool, kBusNumbers> used{};
    for (const PciLocation& location : locations)
        used[location.address.bus] = true;
    std::array<bool, kBusNumbers> taken{};
    std::map<std::pair<uint32, uint8>, std::optional<uint8>> numbers;
    for (const PciLocation& location : locations) {
        const auto bus = std::pair(location.domain, location.address.bus);
        if (numbers.contains(bus))
            continue;
        std::optional<uint8> number;
        if (!taken[bus.second]) {
            number = bus.second;
        } else {
            // A number no domain uses first, so that no later bus loses its own to a stand-in.
            for (int pass = 0; pass < 2 && !number; ++pass)
                for (int n = 0; n < kBusNumbers && !number; ++n)
                    if (!taken[n] && (pass == 1 || !used[n]))
                        number = uint8(n);
        }
        if (number)
            taken[*number] = true;
        numbers.emplace(bus, number);
    }
    return numbers;
}

} // namespace

FunctionIndex::FunctionIndex(const std::vector<PciLocation>& locations)
{
    const auto numbers = NumberBuses(locations);
    fByAddress.reserve(locations.size());
    for (size_t n = 0; n < locations.size(); ++n) {
        const PciLocation& location = locations[n];
        const std::optional<uint8> bus = numbers.at({location.domain, location.address.bus});
        if (!bus)
            continue;
        const PciAddress address{*bus, location.address.device, location.address.function};
        fByAddress.emplace(Key(address), uint32(fEntries.size()));
        fEntries.push_back({n, location, address});
    }
}

std::optional<size_t> FunctionIndex::Find(PciAddress address) const
{
    const auto found = fByAddress.find(Key(address));
    return found != fByAddress.end() ? std::optional<size_t>(found->second) : std::nullopt;
}

std::optional<PciLocation> FunctionIndex::LocationOf(PciAddress address) const
{
    const std::optional<size_t> n = Find(address);
    return n ? std::optional(fEntries[*n].location) : std::nullopt;
}

uint32 FunctionIndex::Key(PciAddress address)
{
    return uint32(address.bus) << 16 | uint32(address.device) << 8 | address.function;
}
