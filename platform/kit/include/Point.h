#ifndef PCIZ_KIT_POINT_H
#define PCIZ_KIT_POINT_H

// A point in the kit's coordinates: a window's, or the screen's where a call says so.
class BPoint {
public:
    float x = 0;
    float y = 0;

    constexpr BPoint() = default;
    constexpr BPoint(float atX, float atY) : x(atX), y(atY) {}

    constexpr bool operator==(const BPoint&) const = default;
};

#endif
