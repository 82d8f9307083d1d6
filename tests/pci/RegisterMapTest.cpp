// The register map finds the capabilities libpci finds on the same bytes, survives hostile
// chains without reading outside the bytes, names nothing it could not read, and gives the
// names and access a person relies on.

#include "DumpWriter.h"
#include "LibpciCapabilities.h"
#include "SysfsFunction.h"

#include <RegisterMap.h>
#include <RegisterText.h>
#include <SimulatedMachines.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iterator>

#include <linux/pci_regs.h>

namespace {

using Kind = RegisterMap::Kind;

// A function's bytes, set register by register.
struct Space {
    explicit Space(size_t size) : bytes(size) {}

    Space& Put(int32 offset, int32 size, uint32 value)
    {
        for (int32 i = 0; i < size; ++i)
            bytes[size_t(offset + i)] = uint8(value >> (8 * i));
        return *this;
    }
    Space& Capability(int32 at, uint8 id, uint8 next)
    {
        return Put(at + PCI_CAP_LIST_ID, 1, id).Put(at + PCI_CAP_LIST_NEXT, 1, next);
    }
    Space& Extended(int32 at, uint16 id, int32 next)
    {
        return Put(at, 4, uint32(next) << 20 | 1u << 16 | id);
    }

    std::vector<uint8> bytes;
};

Space WithCapabilityList(size_t size)
{
    return Space(size)
        .Put(PCI_VENDOR_ID, 4, 0x12348086)
        .Put(PCI_STATUS, 2, PCI_STATUS_CAP_LIST)
        .Put(PCI_CAPABILITY_LIST, 1, 0x40);
}

// A PCI Express root port with every capability decoded to its registers.
std::vector<uint8> RootPort()
{
    constexpr uint32 kVersion2RootPortWithSlot = 0x0142;
    return WithCapabilityList(PCI_CFG_SPACE_EXP_SIZE)
        .Put(PCI_COMMAND, 2, 0x0107)
        .Put(PCI_HEADER_TYPE, 1, PCI_HEADER_TYPE_BRIDGE)
        .Capability(0x40, PCI_CAP_ID_EXP, 0x80)
        .Put(0x40 + PCI_EXP_FLAGS, 2, kVersion2RootPortWithSlot)
        .Put(0x40 + PCI_EXP_LNKSTA, 2, 0x1043)
        .Capability(0x80, PCI_CAP_ID_PM, 0x88)
        .Capability(0x88, PCI_CAP_ID_MSI, 0xA0)
        .Put(0x88 + PCI_MSI_FLAGS, 2, PCI_MSI_FLAGS_64BIT | PCI_MSI_FLAGS_MASKBIT)
        .Capability(0xA0, PCI_CAP_ID_MSIX, 0xB0)
        .Capability(0xB0, PCI_CAP_ID_VNDR, 0xC0)
        .Put(0xB2, 1, 0x10)
        .Capability(0xC0, PCI_CAP_ID_SSVID, 0)
        .Extended(0x100, PCI_EXT_CAP_ID_ERR, 0x148)
        .Extended(0x148, PCI_EXT_CAP_ID_ACS, 0x160)
        .Put(0x148 + PCI_ACS_CAP, 2, PCI_ACS_EC | 8 << 8)
        .Extended(0x160, PCI_EXT_CAP_ID_DSN, 0x170)
        .Extended(0x170, PCI_EXT_CAP_ID_L1SS, 0x180)
        .Extended(0x180, PCI_EXT_CAP_ID_LTR, 0x190)
        .Extended(0x190, PCI_EXT_CAP_ID_REBAR, 0x200)
        .Put(0x190 + PCI_REBAR_CTRL, 4, 2 << PCI_REBAR_CTRL_NBAR_SHIFT)
        .Extended(0x200, PCI_EXT_CAP_ID_SRIOV, 0x240)
        .Extended(0x240, PCI_EXT_CAP_ID_VNDR, 0)
        .Put(0x240 + PCI_VNDR_HEADER, 4, 0x018 << 20 | 0x0001)
        .bytes;
}

// A version 1 downstream port without a slot: its PCI Express capability ends after the link
// registers, its MSI is 32-bit without masking, and its error reporting has no root registers.
std::vector<uint8> DownstreamPort()
{
    constexpr uint32 kVersion1DownstreamPort = 0x0061;
    return WithCapabilityList(PCI_CFG_SPACE_EXP_SIZE)
        .Put(PCI_HEADER_TYPE, 1, PCI_HEADER_TYPE_BRIDGE)
        .Capability(0x40, PCI_CAP_ID_EXP, 0x60)
        .Put(0x40 + PCI_EXP_FLAGS, 2, kVersion1DownstreamPort)
        .Put(0x40 + PCI_EXP_LNKCTL, 2, PCI_EXP_LNKCTL_RCB | PCI_EXP_LNKCTL_CCC)
        .Capability(0x60, PCI_CAP_ID_MSI, 0)
        .Extended(0x100, PCI_EXT_CAP_ID_ERR, 0)
        .bytes;
}

std::vector<FoundCapability> ReadableCapabilities(const RegisterMap& map)
{
    std::vector<FoundCapability> found;
    for (const RegisterMap::Structure& capability : map.Capabilities()) {
        if (capability.readable)
            found.emplace_back(capability.kind == RegisterMap::StructureKind::ExtendedCapability,
                               capability.id, capability.offset);
    }
    return found;
}

// As much of the function's space as could be read, in a space of the function's size.
struct ReadFunction {
    DumpedFunction dumped;
    size_t size;
};

std::string LocationText(const PciLocation& location)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%02x:%02x.%x", unsigned(location.domain),
                  location.address.bus, location.address.device, location.address.function);
    return text;
}

std::vector<ReadFunction> ThisMachine()
{
    std::vector<ReadFunction> functions;
    for (const SysfsFunction& function : ListSysfsFunctions())
        functions.push_back({{LocationText(function.location), ReadConfig(function)},
                             size_t(std::filesystem::file_size(function.directory / "config"))});
    return functions;
}

// In domains of their own, so that no location repeats one of this machine's.
std::vector<ReadFunction> SimulatedAndCrafted()
{
    constexpr uint32 kSimulatedDomains = 0x100;
    std::vector<ReadFunction> functions;
    for (const SimulatedFunction& function : StandardMachine()) {
        std::vector<uint8> bytes(size_t(function.Size()));
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = uint8(function.Read(int32(i), 1));
        PciLocation location = function.Location();
        location.domain += kSimulatedDomains;
        functions.push_back({{LocationText(location), std::move(bytes)}, size_t(function.Size())});
    }
    functions.push_back({{"0200:00:00.0", RootPort()}, PCI_CFG_SPACE_EXP_SIZE});
    return functions;
}

} // namespace

TEST(RegisterMap, FindsTheCapabilitiesLibpciFindsOnThisMachineTheSimulatedOneAndACraftedPort)
{
    std::vector<ReadFunction> functions = ThisMachine();
    std::ranges::move(SimulatedAndCrafted(), std::back_inserter(functions));
    std::vector<DumpedFunction> dumped;
    for (const ReadFunction& function : functions)
        dumped.push_back(function.dumped);
    const auto theirs = LibpciCapabilities(WriteDump("regmap.dump", dumped));

    for (const ReadFunction& function : functions) {
        std::vector<uint8> space = function.dumped.bytes;
        space.resize(function.size, 0xFF);
        const RegisterMap map(space, int32(function.dumped.bytes.size()));
        const auto found = theirs.find(function.dumped.location);
        ASSERT_NE(found, theirs.end()) << function.dumped.location;
        EXPECT_EQ(ReadableCapabilities(map), found->second) << function.dumped.location;
    }
    EXPECT_EQ(theirs.at("0200:00:00.0").size(), 14u) << "the crafted port's chains, both walked";
}

TEST(RegisterMap, HostileChainsEndWithWhatWasFoundAndNothingIsReadOutsideTheBytes)
{
    using Craft = void (*)(Space&);
    const struct {
        const char* name;
        Craft craft;
        std::vector<FoundCapability> expected;
        int32 probe = 0; // where a register of the first structure to claim it must stay
        const char* owner = nullptr;
    } cases[] = {
        {"a loop",
         [](Space& i) { i.Capability(0x40, PCI_CAP_ID_PM, 0x50).Capability(0x50, 5, 0x40); },
         {{false, 1, 0x40}, {false, 5, 0x50}}},
        {"a pointer into the header",
         [](Space& i) { i.Capability(0x40, PCI_CAP_ID_PM, 0x20).Capability(0x20, 5, 0); },
         {{false, 1, 0x40}}},
        {"misaligned pointers",
         [](Space& i) {
             i.Put(PCI_CAPABILITY_LIST, 1, 0x43).Capability(0x40, 1, 0x53).Capability(0x50, 5, 0);
         },
         {{false, 1, 0x40}, {false, 5, 0x50}}},
        {"a misaligned pointer still in the header",
         [](Space& i) { i.Put(PCI_CAPABILITY_LIST, 1, 0x3F).Capability(0x3C, 1, 0); },
         {}},
        {"an absent capability's ID",
         [](Space& i) { i.Capability(0x40, 1, 0x50).Capability(0x50, 0xFF, 0x60); },
         {{false, 1, 0x40}}},
        {"an extended self-loop",
         [](Space& i) { i.Extended(0x100, 1, 0x100); },
         {{false, 1, 0x40}, {true, 1, 0x100}}},
        {"an extended pointer into the first 256 bytes",
         [](Space& i) { i.Extended(0x100, 1, 0x40); },
         {{false, 1, 0x40}, {true, 1, 0x100}}},
        {"the last dword, whose registers would run past the end",
         [](Space& i) { i.Extended(0x100, 1, 0xFFF).Extended(0xFFC, PCI_EXT_CAP_ID_DSN, 0); },
         {{false, 1, 0x40}, {true, 1, 0x100}, {true, PCI_EXT_CAP_ID_DSN, 0xFFC}}},
        {"a capability inside another",
         [](Space& i) { i.Capability(0x40, PCI_CAP_ID_EXP, 0x48).Capability(0x48, 1, 0); },
         {{false, PCI_CAP_ID_EXP, 0x40}, {false, 1, 0x48}},
         0x48,
         "Device Control"},
        {"a capability running into the extended space",
         [](Space& i) {
             i.Capability(0x40, 1, 0xDC).Capability(0xDC, PCI_CAP_ID_EXP, 0).Put(0xDE, 2, 2);
             i.Extended(0x100, 1, 0);
         },
         {{false, 1, 0x40}, {false, PCI_CAP_ID_EXP, 0xDC}, {true, 1, 0x100}},
         0x100,
         "Extended Capability Header"},
    };
    for (const auto& test : cases) {
        Space image = WithCapabilityList(PCI_CFG_SPACE_EXP_SIZE).Capability(0x40, 1, 0);
        test.craft(image);
        const RegisterMap map(image.bytes, PCI_CFG_SPACE_EXP_SIZE);
        EXPECT_EQ(ReadableCapabilities(map), test.expected) << test.name;
        if (test.owner != nullptr) {
            const RegisterMap::Location probe = map.Locate(test.probe);
            EXPECT_STREQ(probe.reg != nullptr ? probe.reg->name : "", test.owner) << test.name;
        }
        // Every answer, so that the sanitizer build sees any read past the bytes.
        for (int32 offset = 0; offset < map.Size(); ++offset)
            DescribeValue(map.Locate(offset), image.bytes);
    }

    // A chain through every dword of the extended space and back to its start: 1000 entries
    // and more, had the walk not stopped where it had been.
    Space everyDword(PCI_CFG_SPACE_EXP_SIZE);
    for (int32 at = PCI_CFG_SPACE_SIZE; at < PCI_CFG_SPACE_EXP_SIZE; at += 4) {
        const int32 next = at + 4 < PCI_CFG_SPACE_EXP_SIZE ? at + 4 : PCI_CFG_SPACE_SIZE;
        everyDword.Extended(at, PCI_EXT_CAP_ID_VNDR, next);
    }
    const RegisterMap map(everyDword.bytes, PCI_CFG_SPACE_EXP_SIZE);
    EXPECT_EQ(map.Capabilities().size(), size_t(PCI_CFG_SPACE_EXP_SIZE - PCI_CFG_SPACE_SIZE) / 4);
}

TEST(RegisterMap, OffsetsPastWhatWasReadAreNotReadableAndNeitherIsACapabilityThere)
{
    const std::vector<uint8> port = RootPort();
    std::vector<uint8> first64(port.begin(), port.begin() + PCI_STD_HEADER_SIZEOF);
    std::vector<uint8> asAUserReads(PCI_CFG_SPACE_SIZE, 0xFF);
    std::ranges::copy(first64, asAUserReads.begin());
    for (const std::vector<uint8>& bytes : {first64, asAUserReads}) {
        const RegisterMap map(bytes, PCI_STD_HEADER_SIZEOF);
        ASSERT_EQ(map.Capabilities().size(), 1u);
        EXPECT_EQ(StructureTitle(map.Capabilities()[0]), "capability at 0x40, not readable");
        EXPECT_EQ(map.Locate(PCI_INTERRUPT_LINE).kind, Kind::Register);
        for (int32 offset = PCI_STD_HEADER_SIZEOF; offset < map.Size(); ++offset)
            ASSERT_EQ(map.Locate(offset).kind, Kind::NotReadable) << offset;
    }

    const RegisterMap first256(port, PCI_CFG_SPACE_SIZE);
    EXPECT_EQ(first256.Capabilities().size(), 6u) << "the standard chain only";
    EXPECT_EQ(first256.Locate(PCI_CFG_SPACE_SIZE).kind, Kind::NotReadable);
    // Decoding from fewer bytes than the map was built from reads none past them.
    const RegisterMap whole(port, PCI_CFG_SPACE_EXP_SIZE);
    EXPECT_EQ(DescribeValue(whole.Locate(0x104), first64), "not readable");

    // A CardBus bridge's header runs past 64 bytes: its registers there are known, not read.
    Space cardbus = WithCapabilityList(PCI_CFG_SPACE_SIZE);
    cardbus.Put(PCI_HEADER_TYPE, 1, PCI_HEADER_TYPE_CARDBUS).Put(PCI_CB_CAPABILITY_LIST, 1, 0x80);
    const RegisterMap cardbusMap(cardbus.bytes, PCI_STD_HEADER_SIZEOF);
    const RegisterMap cardbusIn64(std::span(cardbus.bytes).first(PCI_STD_HEADER_SIZEOF),
                                  PCI_STD_HEADER_SIZEOF);
    for (const RegisterMap* map : {&cardbusMap, &cardbusIn64})
        EXPECT_EQ(StructureTitle(map->Capabilities()[0]), "capability at 0x80, not readable");
    const RegisterMap::Location subsystem = cardbusMap.Locate(PCI_CB_SUBSYSTEM_VENDOR_ID);
    EXPECT_STREQ(subsystem.reg->name, "Subsystem Vendor ID");
    EXPECT_EQ(DescribeValue(subsystem, cardbus.bytes), "not readable");
}

TEST(RegisterMap, NamesStructuresAccessAndValuesAsAPersonReadsThem)
{
    struct Mapped {
        explicit Mapped(std::vector<uint8> space)
            : bytes(std::move(space)), map(bytes, PCI_CFG_SPACE_EXP_SIZE)
        {
        }
        const std::vector<uint8> bytes;
        const RegisterMap map;
    };
    const Mapped root(RootPort()), downstream(DownstreamPort());
    const Mapped* const r = &root;
    const Mapped* const d = &downstream;
    const char* const kExpressAt0x40 = "PCI Express capability at 0x40";
    const char* const kErrorsAt0x100 = "Advanced Error Reporting extended capability at 0x100";
    const struct {
        const Mapped* function;
        int32 offset;
        Kind kind;
        const char* name; // the register's, where there is one
        int32 first, size;
        const char* structure;
        const char* access; // where the test checks it
        const char* value;
    } spots[] = {
        {r, 0x07, Kind::Register, "Status", 0x06, 2, "type 1 header (PCI-to-PCI bridge)",
         "read-only (bits 0, 3-7, 9-10), reserved (bits 1-2), write 1 to clear (bits 8, 11-15)",
         nullptr},
        {r, 0x05, Kind::Register, "Command", 0x04, 2, "type 1 header (PCI-to-PCI bridge)",
         "read/write (bits 0-10), reserved (bits 11-15)",
         "0x0107: I/O+ Mem+ BusMaster+ SpecCycle- MemWINV- VGASnoop- ParErr- Stepping- SERR+ "
         "FastB2B- DisINTx-"},
        {r, 0x0F, Kind::Register, "BIST", 0x0F, 1, "type 1 header (PCI-to-PCI bridge)",
         "read-only (bits 0-3, 7), reserved (bits 4-5), read/write (bit 6)", nullptr},
        {r, 0x52, Kind::Register, "Link Status", 0x52, 2, kExpressAt0x40,
         "read-only (bits 0-9, 11-13), reserved (bit 10), write 1 to clear (bits 14-15)",
         "0x1043: Speed 8GT/s, Width x4, Train- SlotClk+ DLActive- BWMgmt- ABWMgmt-"},
        {r, 0x5C, Kind::Register, "Root Control", 0x5C, 2, kExpressAt0x40, nullptr, nullptr},
        {r, 0x7B, Kind::Register, "Slot Status 2", 0x7A, 2, kExpressAt0x40, nullptr, nullptr},
        {r, 0x95, Kind::Register, "Message Data", 0x94, 2, "MSI capability at 0x88", nullptr,
         nullptr},
        {r, 0x98, Kind::Register, "Mask Bits", 0x98, 4, "MSI capability at 0x88", nullptr, nullptr},
        {r, 0x9C, Kind::Register, "Pending Bits", 0x9C, 4, "MSI capability at 0x88", nullptr,
         nullptr},
        {r, 0xC2, Kind::Register, "Reserved", 0xC2, 2,
         "Bridge Subsystem Vendor ID capability at 0xC0", "reserved", nullptr},
        {r, 0x104, Kind::Register, "Uncorrectable Error Status", 0x104, 4, kErrorsAt0x100,
         "write 1 to clear (bits 0, 4-5, 12-25), reserved (bits 1-3, 6-11, 26-31)", nullptr},
        {r, 0x12E, Kind::Register, "Root Error Command", 0x12C, 4, kErrorsAt0x100, nullptr,
         nullptr},
        {r, 0x150, Kind::Register, "Egress Control Vector", 0x150, 4,
         "Access Control Services extended capability at 0x148", nullptr, nullptr},
        {r, 0x1A0, Kind::Register, "Resizable BAR Control 1", 0x1A0, 4,
         "Resizable BAR extended capability at 0x190", nullptr, nullptr},
        {r, 0x1A4, Kind::DeviceSpecific, nullptr, 0x1A4, 1, nullptr, nullptr, nullptr},
        {r, 0x219, Kind::Unused, nullptr, 0x218, 2,
         "Single Root I/O Virtualization extended capability at 0x200", nullptr, nullptr},
        {r, 0x250, Kind::Register, "Vendor-Specific Registers", 0x248, 0x10,
         "Vendor-Specific extended capability at 0x240", nullptr, nullptr},
        {d, 0x50, Kind::Register, "Link Control", 0x50, 2, kExpressAt0x40, nullptr,
         "0x0048: ASPM Disabled, RCB 128 bytes, Disabled- Retrain- CommClk+ ExtSynch- ClockPM- "
         "AutWidDis- BWInt- AutBWInt-"},
        {d, 0x54, Kind::DeviceSpecific, nullptr, 0x54, 1, nullptr, nullptr, nullptr},
        {d, 0x68, Kind::Register, "Message Data", 0x68, 2, "MSI capability at 0x60", nullptr,
         nullptr},
        {d, 0x6A, Kind::DeviceSpecific, nullptr, 0x6A, 1, nullptr, nullptr, nullptr},
        {d, 0x12C, Kind::DeviceSpecific, nullptr, 0x12C, 1, nullptr, nullptr, nullptr},
    };
    for (const auto& spot : spots) {
        const RegisterMap::Location at = spot.function->map.Locate(spot.offset);
        SCOPED_TRACE(spot.offset);
        EXPECT_EQ(at.kind, spot.kind);
        EXPECT_STREQ(at.reg != nullptr ? at.reg->name : nullptr, spot.name);
        EXPECT_EQ(std::pair(at.first, at.size), std::pair(spot.first, spot.size));
        EXPECT_EQ(at.structure != nullptr ? StructureTitle(*at.structure) : "",
                  spot.structure != nullptr ? spot.structure : "");
        if (spot.access != nullptr) {
            EXPECT_EQ(DescribeAccess(*at.reg), spot.access);
        }
        if (spot.value != nullptr) {
            EXPECT_EQ(DescribeValue(at, spot.function->bytes), spot.value);
        }
    }
}
