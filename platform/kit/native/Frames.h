#ifndef PCIZ_KIT_NATIVE_FRAMES_H
#define PCIZ_KIT_NATIVE_FRAMES_H

#include <Rect.h>

#include <QRect>

namespace kit {

// Kit frames are inclusive, Qt's sizes count pixels: a width of 10 covers 11 pixels.
inline int Pixels(float length) { return qRound(length) + 1; }

inline float KitLength(int pixels) { return static_cast<float>(pixels - 1); }

inline QRect ToQRect(BRect frame)
{
    return QRect(qRound(frame.left), qRound(frame.top), Pixels(frame.Width()),
                 Pixels(frame.Height()));
}

// QRect's right and bottom are inclusive too.
inline BRect ToBRect(const QRect& rect)
{
    return BRect(rect.left(), rect.top(), rect.right(), rect.bottom());
}

} // namespace kit

#endif
