// ShowDevice: one device-table entry's header, decoded into the rows' texts.

#include "PciWindow.h"

#include "ValueExplanations.h"

#include <ClassNameTables.h>
#include <ConfigRegisters.h>
#include <PciStringView.h>
#include <VendorTable.h>

#include <cstdio>

namespace {

// Room for the longest text: six 8-digit numbers and five blanks.
constexpr size_t kTextSize = 100;

void SetHex(PciStringView* view, unsigned value)
{
    char text[kTextSize];
    std::snprintf(text, sizeof(text), "%X", value);
    view->SetText(text);
}

void SetSixHex(PciStringView* view, const uint32 (&values)[6])
{
    char text[kTextSize];
    std::snprintf(text, sizeof(text), "%X %X %X %X %X %X", values[0], values[1], values[2],
                  values[3], values[4], values[5]);
    view->SetText(text);
}

void SetSixHex(PciStringView* view, const uint8 (&values)[6])
{
    const uint32 widened[6] = {values[0], values[1], values[2], values[3], values[4], values[5]};
    SetSixHex(view, widened);
}

// Bridge pairs are set apart by two blanks, not one.
void SetTwoHex(PciStringView* view, unsigned first, unsigned second)
{
    char text[kTextSize];
    std::snprintf(text, sizeof(text), "%X  %X", first, second);
    view->SetText(text);
}

// The bridge rows a CardBus header holds at a PCI-to-PCI bridge's offsets, the only ones its
// record fills (ConfigDecoder).
bool HeldByCardbusHeader(int row)
{
    switch (row) {
    case bridge::PrimaryBus:
    case bridge::SecondaryBus:
    case bridge::SubordinateBus:
    case bridge::SecondaryLatency:
    case bridge::InterruptLine:
    case bridge::InterruptPin:
    case bridge::BridgeControl:
        return true;
    default:
        return false;
    }
}

void SetVendorName(PciStringView* view, uint16 id)
{
    int32 index = FindVendor(id);
    if (index < kVendorCount)
        view->SetText(VendorName(index));
}

} // namespace

void PciWindow::ShowDevice(uint32 index)
{
    if (index >= fDevices.size())
        return;
    const pci_info& record = fDevices[index];
    // No name may stay from the device shown before.
    fNames[ordinary::VendorId]->SetText("");
    fNames[ordinary::SubsystemVendorId]->SetText("");
    ShowCommonRows(record, fLocations[index]);
    // The layout bits choose the rows, as they chose how the record was decoded: a function of
    // a multi-function device (0x80) is an ordinary one (docs/departures.md).
    if ((record.header_type & PCI_header_type_mask) == PCI_header_type_generic)
        ShowOrdinaryRows(record);
    else
        ShowBridgeRows(record);
}

// The bus a function really sits on, not the number the calls may reach it under.
void PciWindow::ShowCommonRows(const pci_info& record, const pci_location& location)
{
    SetHex(fRowValues[ordinary::VendorId], record.vendor_id);
    SetVendorName(fNames[ordinary::VendorId], record.vendor_id);
    SetHex(fRowValues[ordinary::DeviceId], record.device_id);
    SetHex(fRowValues[ordinary::Bus], location.bus);
    SetHex(fRowValues[ordinary::Device], record.device);
    SetHex(fRowValues[ordinary::Function], record.function);
    SetHex(fRowValues[ordinary::Revision], record.revision);
    SetHex(fRowValues[ordinary::ClassApi], record.class_api);
    SetHex(fRowValues[ordinary::ClassSub], record.class_sub);
    fNames[ordinary::ClassSub]->SetText(SubclassName(record.class_base, record.class_sub));
    SetHex(fRowValues[ordinary::ClassBase], record.class_base);
    fNames[ordinary::ClassBase]->SetText(ClassName(record.class_base));
    SetHex(fRowValues[ordinary::LineSize], record.line_size);
    SetHex(fRowValues[ordinary::Latency], record.latency);
    SetHex(fRowValues[ordinary::SelfTest], record.bist);
    SetHex(fRowValues[ordinary::HeaderType], record.header_type);
}

void PciWindow::ShowOrdinaryRows(const pci_info& record)
{
    if (fBridgeLayout == 1)
        SwitchToOrdinaryRows();
    const auto& h0 = record.u.h0;
    SetHex(fRowValues[ordinary::SubsystemId], h0.subsystem_id);
    SetHex(fRowValues[ordinary::SubsystemVendorId], h0.subsystem_vendor_id);
    SetVendorName(fNames[ordinary::SubsystemVendorId], h0.subsystem_vendor_id);
    SetHex(fRowValues[ordinary::RomBase], h0.rom_base);
    SetHex(fRowValues[ordinary::RomBasePci], h0.rom_base_pci);
    SetHex(fRowValues[ordinary::RomSize], h0.rom_size);
    SetSixHex(fRowValues[ordinary::BaseRegisters], h0.base_registers);
    SetSixHex(fRowValues[ordinary::BaseRegsPci], h0.base_registers_pci);
    SetSixHex(fRowValues[ordinary::BaseRegSizes], h0.base_register_sizes);
    SetSixHex(fRowValues[ordinary::BaseRegFlags], h0.base_register_flags);
    SetHex(fRowValues[ordinary::InterruptLine], h0.interrupt_line);
    SetHex(fRowValues[ordinary::InterruptPin], h0.interrupt_pin);
    SetHex(fRowValues[ordinary::MinGrant], h0.min_grant);
    SetHex(fRowValues[ordinary::MaxLatency], h0.max_latency);
}

void PciWindow::ShowBridgeRows(const pci_info& record)
{
    if (fBridgeLayout == 0)
        SwitchToBridgeRows();
    const auto& h1 = record.u.h1;
    PciStringView* const* values = fBridgeValues;
    SetTwoHex(values[bridge::BaseRegisters], h1.base_registers[0], h1.base_registers[1]);
    SetTwoHex(values[bridge::BaseRegsPci], h1.base_registers_pci[0], h1.base_registers_pci[1]);
    SetTwoHex(values[bridge::BaseRegSizes], h1.base_register_sizes[0], h1.base_register_sizes[1]);
    SetTwoHex(values[bridge::BaseRegFlags], h1.base_register_flags[0], h1.base_register_flags[1]);
    SetHex(values[bridge::PrimaryBus], h1.primary_bus);
    SetHex(values[bridge::SecondaryBus], h1.secondary_bus);
    SetHex(values[bridge::SubordinateBus], h1.subordinate_bus);
    SetHex(values[bridge::SecondaryLatency], h1.secondary_latency);
    SetHex(values[bridge::SecondaryStatus], h1.secondary_status);
    SetHex(values[bridge::IoBase], h1.io_base);
    SetHex(values[bridge::IoLimit], h1.io_limit);
    SetHex(values[bridge::MemoryBase], h1.memory_base);
    SetHex(values[bridge::MemoryLimit], h1.memory_limit);
    SetHex(values[bridge::PrefetchBase], h1.prefetchable_memory_base);
    SetHex(values[bridge::PrefetchLimit], h1.prefetchable_memory_limit);
    SetHex(values[bridge::PrefetchBase32], h1.prefetchable_memory_base_upper32);
    SetHex(values[bridge::PrefetchLimit32], h1.prefetchable_memory_limit_upper32);
    SetHex(values[bridge::IoBaseUpper16], h1.io_base_upper16);
    SetHex(values[bridge::IoLimitUpper16], h1.io_limit_upper16);
    SetHex(values[bridge::RomBase], h1.rom_base);
    SetHex(values[bridge::RomBasePci], h1.rom_base_pci);
    SetHex(values[bridge::InterruptLine], h1.interrupt_line);
    SetHex(values[bridge::InterruptPin], h1.interrupt_pin);
    SetHex(values[bridge::BridgeControl], h1.bridge_control);
    if ((record.header_type & PCI_header_type_mask) == config::kCardbusLayout)
        EmptyCardbusLackingRows();
}

// A register a CardBus header does not hold shows nothing rather than a 0 it never read.
void PciWindow::EmptyCardbusLackingRows()
{
    for (int row = 0; row < bridge::Count; ++row) {
        if (!HeldByCardbusHeader(row))
            fBridgeValues[row]->SetText("");
    }
}

void PciWindow::SwitchToOrdinaryRows()
{
    for (int row = ordinary::kFirstLayoutRow; row < ordinary::Count; ++row)
        fRowLabels[row]->SetText(kOrdinaryRows[row].label);
    fBridgeLayout = 0;
    for (int row = 0; row < bridge::Count; ++row) {
        fBridgeLabels[row]->SetText("");
        fBridgeValues[row]->SetText("");
    }
    ResizeBy(0, -60);
}

void PciWindow::SwitchToBridgeRows()
{
    for (int row = ordinary::kFirstLayoutRow; row < ordinary::Count; ++row) {
        fRowLabels[row]->SetText("");
        fRowValues[row]->SetText("");
    }
    fBridgeLayout = 1;
    // The bridge rows reach 60 units further down than the ordinary ones.
    ResizeBy(0, 60);
    for (int row = 0; row < bridge::Count; ++row)
        fBridgeLabels[row]->SetText(kBridgeRows[row].label);
}

std::string PciWindow::ExplainShown(ordinary::Row row) const
{
    return fCurrentDevice < fDevices.size()
               ? ExplainRow(fDevices[fCurrentDevice], fLocations[fCurrentDevice], row)
               : std::string();
}

std::string PciWindow::ExplainShown(bridge::Row row) const
{
    return fCurrentDevice < fDevices.size() ? ExplainBridgeRow(fDevices[fCurrentDevice], row)
                                            : std::string();
}
