#ifndef PCIZ_PCI_PCI_H
#define PCIZ_PCI_PCI_H

// The platform's PCI record and its three configuration-space calls.

#include <SupportDefs.h>

#include <cstddef>

struct pci_info {
    uint16 vendor_id;
    uint16 device_id;
    uint8 bus;
    uint8 device;
    uint8 function;
    uint8 revision;
    uint8 class_api;
    uint8 class_sub;
    uint8 class_base;
    uint8 line_size;
    uint8 latency;
    uint8 header_type;
    uint8 bist;
    uint8 reserved;
    union {
        // Header type 0: an ordinary function.
        struct {
            uint32 cardbus_cis;
            uint16 subsystem_id;
            uint16 subsystem_vendor_id;
            uint32 rom_base;
            uint32 rom_base_pci;
            uint32 rom_size;
            uint32 base_registers[6];
            uint32 base_registers_pci[6];
            uint32 base_register_sizes[6];
            uint8 base_register_flags[6];
            uint8 interrupt_line;
            uint8 interrupt_pin;
            uint8 min_grant;
            uint8 max_latency;
        } h0;
        // Header type 1: a PCI-to-PCI bridge.
        struct {
            uint32 base_registers[2];
            uint32 base_registers_pci[2];
            uint32 base_register_sizes[2];
            uint8 base_register_flags[2];
            uint8 primary_bus;
            uint8 secondary_bus;
            uint8 subordinate_bus;
            uint8 secondary_latency;
            uint8 io_base;
            uint8 io_limit;
            uint16 secondary_status;
            uint16 memory_base;
            uint16 memory_limit;
            uint16 prefetchable_memory_base;
            uint16 prefetchable_memory_limit;
            uint32 prefetchable_memory_base_upper32;
            uint32 prefetchable_memory_limit_upper32;
            uint16 io_base_upper16;
            uint16 io_limit_upper16;
            uint32 rom_base;
            uint32 rom_base_pci;
            uint8 interrupt_line;
            uint8 interrupt_pin;
            uint16 bridge_control;
        } h1;
    } u;
};

// Records are stored back to back by value, so the layout is part of the contract.
static_assert(sizeof(pci_info) == 120);
static_assert(offsetof(pci_info, header_type) == 13);
static_assert(offsetof(pci_info, bist) == 14);
static_assert(offsetof(pci_info, u) == 16);
static_assert(offsetof(pci_info, u.h0.subsystem_id) == 20);
static_assert(offsetof(pci_info, u.h0.rom_size) == 32);
static_assert(offsetof(pci_info, u.h0.base_registers) == 36);
static_assert(offsetof(pci_info, u.h0.base_register_sizes) == 84);
static_assert(offsetof(pci_info, u.h0.base_register_flags) == 108);
static_assert(offsetof(pci_info, u.h0.interrupt_line) == 114);
static_assert(offsetof(pci_info, u.h0.max_latency) == 117);
static_assert(offsetof(pci_info, u.h1.base_register_flags) == 40);
static_assert(offsetof(pci_info, u.h1.primary_bus) == 42);
static_assert(offsetof(pci_info, u.h1.secondary_status) == 48);
static_assert(offsetof(pci_info, u.h1.prefetchable_memory_limit) == 56);
static_assert(offsetof(pci_info, u.h1.prefetchable_memory_base_upper32) == 60);
static_assert(offsetof(pci_info, u.h1.rom_base) == 72);
static_assert(offsetof(pci_info, u.h1.interrupt_line) == 80);
static_assert(offsetof(pci_info, u.h1.bridge_control) == 82);

// The header type's low 7 bits name the layout of the rest of the header; bit 7 marks a
// function of a multi-function device, whatever its layout.
inline constexpr uint8 PCI_header_type_mask = 0x7F;
inline constexpr uint8 PCI_multifunction = 0x80;
inline constexpr uint8 PCI_header_type_generic = 0x00;

// Fills info for the index-th function, counting from 0 in (domain, bus, device, function)
// order. Any status other than B_OK means there is no such function.
status_t get_nth_pci_info(int32 index, pci_info* info);

// The bytes of the function's configuration space that the calls below take: 4096 for a
// PCI Express function whose extended space can be read here, 256 otherwise.
int32 get_pci_config_size(uchar bus, uchar device, uchar function);

// Size is 1, 2 or 4, and a 2- or 4-byte access must be aligned to its size, as on the bus itself.
// A failed read, a bad size, a misaligned access or one outside the function's space gives all
// ones of that size (0xFF for a byte). A value is never wider than its size.
uint32 read_pci_config(uchar bus, uchar device, uchar function, int32 offset, int32 size);

// Writes nothing for a bad size, a misaligned access or one outside the function's space.
void write_pci_config(uchar bus, uchar device, uchar function, int32 offset, int32 size,
                      uint32 value);

#endif
