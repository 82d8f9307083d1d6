#ifndef PCIZ_KIT_GRAPHICS_DEFS_H
#define PCIZ_KIT_GRAPHICS_DEFS_H

#include <SupportDefs.h>

struct rgb_color {
    uint8 red;
    uint8 green;
    uint8 blue;
    uint8 alpha;

    bool operator==(const rgb_color&) const = default;
};

#endif
