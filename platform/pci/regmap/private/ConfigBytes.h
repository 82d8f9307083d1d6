#ifndef PCIZ_PCI_REGMAP_CONFIG_BYTES_H
#define PCIZ_PCI_REGMAP_CONFIG_BYTES_H

#include <SupportDefs.h>

#include <algorithm>
#include <span>

// A function's bytes as the map reads them: only what was read, little-endian, and never past
// the end of the span, whatever offset an untrusted pointer gives.
class ConfigBytes {
public:
    ConfigBytes(std::span<const uint8> bytes, int32 readable)
        : fBytes(bytes), fReadable(std::clamp<int32>(readable, 0, int32(bytes.size())))
    {
    }

    int32 Size() const { return int32(fBytes.size()); }
    int32 Readable() const { return fReadable; }
    bool CanRead(int32 offset, int32 size) const
    {
        return offset >= 0 && size >= 0 && offset <= fReadable - size;
    }

    // Bytes that could not be read count as 0xFF, as the bus gives them.
    uint32 Read(int32 offset, int32 size) const
    {
        uint32 value = 0;
        for (int32 i = size - 1; i >= 0; --i)
            value = value << 8 | (CanRead(offset + i, 1) ? fBytes[offset + i] : 0xFF);
        return value;
    }

private:
    std::span<const uint8> fBytes;
    int32 fReadable;
};

#endif
