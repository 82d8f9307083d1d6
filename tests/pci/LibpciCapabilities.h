#ifndef PCIZ_TESTS_LIBPCI_CAPABILITIES_H
#define PCIZ_TESTS_LIBPCI_CAPABILITIES_H

// libpci's own capability walk, run on a dump file: what the register map is held against.
// A file of its own, because libpci's header defines the kernel header's names again.

#include <map>
#include <string>
#include <tuple>
#include <vector>

// (extended, ID, offset), in chain order, standard chain first.
using FoundCapability = std::tuple<bool, int, int>;

// Every function of the dump, by "dddd:bb:dd.f".
std::map<std::string, std::vector<FoundCapability>> LibpciCapabilities(const std::string& dump);

#endif
