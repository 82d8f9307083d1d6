#ifndef PCIZ_KIT_RECT_H
#define PCIZ_KIT_RECT_H

// A rectangle whose edges are all inside it: (0, 0, 10, 10) covers 11 x 11 pixels, and
// Width() is right minus left.
class BRect {
public:
    float left = 0;
    float top = 0;
    float right = -1;
    float bottom = -1;

    constexpr BRect() = default;
    constexpr BRect(float l, float t, float r, float b) : left(l), top(t), right(r), bottom(b) {}

    constexpr float Width() const { return right - left; }
    constexpr float Height() const { return bottom - top; }
    constexpr bool IsValid() const { return left <= right && top <= bottom; }
    constexpr BRect OffsetToCopy(float x, float y) const
    {
        return BRect(x, y, x + Width(), y + Height());
    }

    constexpr bool operator==(const BRect&) const = default;
};

#endif
