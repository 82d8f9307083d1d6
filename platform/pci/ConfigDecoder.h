#ifndef PCIZ_PCI_CONFIG_DECODER_H
#define PCIZ_PCI_CONFIG_DECODER_H

#include "ConfigRegisters.h"
#include "PCI.h"
#include "PciAddress.h"
#include "PlatformFacts.h"

#include <span>

// Turns a function's configuration header into its pci_info record: layout 0 into the ordinary
// part, layout 1 into the bridge part, and of a CardBus bridge (layout 2) the registers it
// shares with a PCI-to-PCI bridge into the bridge part. Only the 64-byte standard header is
// read: some devices misbehave when the rest of their space is read.
class ConfigDecoder {
public:
    using Header = std::span<const uint8, config::kHeaderSize>;

    ConfigDecoder(PciAddress address, Header header, PlatformFacts facts = {});

    pci_info Decode() const;

private:
    void DecodeCommon(pci_info& info) const;
    void DecodeGeneral(pci_info& info) const;
    void DecodeBridge(pci_info& info) const;
    void DecodeBridgeFieldsOfCardbus(decltype(pci_info::u.h1)& h1) const;
    template <typename Part>
    void DecodeBaseRegisters(Part& part) const;
    template <typename Part>
    void DecodeRom(Part& part, int32 offset) const;
    uint8 InterruptLine() const;

    uint8 Byte(int32 offset) const;
    uint16 Word(int32 offset) const;
    uint32 Long(int32 offset) const;

    PciAddress fAddress;
    Header fHeader;
    PlatformFacts fFacts;
};

#endif
