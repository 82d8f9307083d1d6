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

// A view colour that lets the view's own background show: no colour of the view's own.
inline constexpr rgb_color B_TRANSPARENT_COLOR = {77, 77, 77, 0};

#endif
