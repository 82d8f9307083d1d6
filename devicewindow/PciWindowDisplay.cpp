// ShowDevice: one device-table entry's header, decoded into the rows' texts.

#include "PciWindow.h"

#include <ClassNameTables.h>
#include <PciStringView.h>
#include <VendorTable.h>

#include <cstdio>

namespace {

// Room for the longest text: six 8-digit numbers and five blanks.
constexpr size_t kTextSize = 100;

// What a machine without a single PCI function shows: an all-zero record.
const pci_info kNoDevice{};

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

void SetVendorName(PciStringView* view, uint16 id)
{
    int32 index = FindVendor(id);
    if (index < kVendorCount)
        view->SetText(VendorName(index));
}

} // namespace

const pci_info& PciWindow::Record(uint32 index) const
{
    return index < fDevices.size() ? fDevices[index] : kNoDevice;
}

void PciWindow::ShowDevice(uint32 index)
{
    const pci_info& record = Record(index);
    // No name may stay from the device shown before.
    fVendorName->SetText("");
    fSubsystemVendorName->SetText("");
    ShowCommonRows(record);
    // The layout bits choose the rows, as they chose how the record was decoded: a function of
    // a multi-function device (0x80) is an ordinary one. The old rule took any header type but
    // 0 for a bridge and showed such a function's fields under bridge labels.
    if ((record.header_type & PCI_header_type_mask) == PCI_header_type_generic)
        ShowOrdinaryRows(record);
    else
        ShowBridgeRows(record);
}

void PciWindow::ShowCommonRows(const pci_info& record)
{
    SetHex(fRowValues[0], record.vendor_id);
    SetVendorName(fVendorName, record.vendor_id);
    SetHex(fRowValues[1], record.device_id);
    SetHex(fRowValues[2], record.bus);
    SetHex(fRowValues[3], record.device);
    SetHex(fRowValues[4], record.function);
    SetHex(fRowValues[5], record.revision);
    SetHex(fRowValues[6], record.class_api);
    SetHex(fRowValues[7], record.class_sub);
    fSubclassName->SetText(SubclassName(record.class_base, record.class_sub));
    SetHex(fRowValues[8], record.class_base);
    fClassName->SetText(ClassName(record.class_base));
    SetHex(fRowValues[9], record.line_size);
    SetHex(fRowValues[10], record.latency);
    SetHex(fRowValues[11], record.bist);
    SetHex(fRowValues[12], record.header_type);
}

void PciWindow::ShowOrdinaryRows(const pci_info& record)
{
    if (fBridgeLayout == 1)
        SwitchToOrdinaryRows();
    const auto& h0 = record.u.h0;
    SetHex(fRowValues[14], h0.subsystem_id);
    SetHex(fRowValues[15], h0.subsystem_vendor_id);
    SetVendorName(fSubsystemVendorName, h0.subsystem_vendor_id);
    SetHex(fRowValues[16], h0.rom_base);
    SetHex(fRowValues[17], h0.rom_base_pci);
    SetHex(fRowValues[18], h0.rom_size);
    SetSixHex(fRowValues[19], h0.base_registers);
    SetSixHex(fRowValues[20], h0.base_registers_pci);
    SetSixHex(fRowValues[21], h0.base_register_sizes);
    SetSixHex(fRowValues[22], h0.base_register_flags);
    SetHex(fRowValues[23], h0.interrupt_line);
    SetHex(fRowValues[24], h0.interrupt_pin);
    SetHex(fRowValues[25], h0.min_grant);
    SetHex(fRowValues[26], h0.max_latency);
}

void PciWindow::ShowBridgeRows(const pci_info& record)
{
    if (fBridgeLayout == 0)
        SwitchToBridgeRows();
    const auto& h1 = record.u.h1;
    SetTwoHex(fBridgeValues[0], h1.base_registers[0], h1.base_registers[1]);
    SetTwoHex(fBridgeValues[1], h1.base_registers_pci[0], h1.base_registers_pci[1]);
    SetTwoHex(fBridgeValues[2], h1.base_register_sizes[0], h1.base_register_sizes[1]);
    SetTwoHex(fBridgeValues[3], h1.base_register_flags[0], h1.base_register_flags[1]);
    SetHex(fBridgeValues[4], h1.primary_bus);
    SetHex(fBridgeValues[5], h1.secondary_bus);
    SetHex(fBridgeValues[6], h1.subordinate_bus);
    SetHex(fBridgeValues[7], h1.secondary_latency);
    SetHex(fBridgeValues[8], h1.secondary_status);
    SetHex(fBridgeValues[9], h1.io_base);
    SetHex(fBridgeValues[10], h1.io_limit);
    SetHex(fBridgeValues[11], h1.memory_base);
    SetHex(fBridgeValues[12], h1.memory_limit);
    SetHex(fBridgeValues[13], h1.prefetchable_memory_base);
    SetHex(fBridgeValues[14], h1.prefetchable_memory_limit);
    SetHex(fBridgeValues[15], h1.prefetchable_memory_base_upper32);
    SetHex(fBridgeValues[16], h1.prefetchable_memory_limit_upper32);
    SetHex(fBridgeValues[17], h1.io_base_upper16);
    SetHex(fBridgeValues[18], h1.io_limit_upper16);
    SetHex(fBridgeValues[19], h1.rom_base);
    SetHex(fBridgeValues[20], h1.rom_base_pci);
    SetHex(fBridgeValues[21], h1.interrupt_line);
    SetHex(fBridgeValues[22], h1.interrupt_pin);
    SetHex(fBridgeValues[23], h1.bridge_control);
}

void PciWindow::SwitchToOrdinaryRows()
{
    for (int row = kFirstHeaderRow; row < kRowCount; ++row)
        fRowLabels[row]->SetText(kRowLabels[row]);
    fBridgeLayout = 0;
    for (int row = 0; row < kBridgeRowCount; ++row) {
        fBridgeLabels[row]->SetText("");
        fBridgeValues[row]->SetText("");
    }
    ResizeBy(0, -60);
}

void PciWindow::SwitchToBridgeRows()
{
    for (int row = kFirstHeaderRow; row < kRowCount; ++row) {
        fRowLabels[row]->SetText("");
        fRowValues[row]->SetText("");
    }
    fBridgeLayout = 1;
    // The bridge rows reach 60 units further down than the ordinary ones.
    ResizeBy(0, 60);
    for (int row = 0; row < kBridgeRowCount; ++row)
        fBridgeLabels[row]->SetText(kBridgeLabels[row]);
}
