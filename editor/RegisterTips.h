#ifndef PCIZ_EDITOR_REGISTER_TIPS_H
#define PCIZ_EDITOR_REGISTER_TIPS_H

#include <RegisterMap.h>

#include <SupportDefs.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

// What the editor knows of the bytes of the function it shows, and what they mean: the text
// of a cell's tooltip and the capabilities the grid's context menu offers. The meaning is
// worked out again from the bytes when it is next asked for after they changed, never for
// bytes nobody asks about.
class RegisterTips {
public:
    // A function of size bytes, of which the first readable could be read; nothing of it is
    // known yet.
    void Start(int32 size, int32 readable);
    int32 Size() const { return int32(fBytes.size()); }
    // The bytes of one page of 256, or of the whole space.
    void Learn(int32 offset, std::span<const uint8> bytes);

    // "0x52 Link Status - PCI Express capability at 0x40", its access, its value decoded and,
    // for IDs and class codes, the names the PCI ID database has for them.
    std::string TipFor(int32 offset);
    std::span<const RegisterMap::Structure> Capabilities();

private:
    const RegisterMap& Map();
    std::string NamesFor(const Register& reg, int32 at) const;
    uint16 Word(int32 offset) const;

    std::vector<uint8> fBytes;
    int32 fReadable = 0;
    std::optional<RegisterMap> fMap;
};

#endif
