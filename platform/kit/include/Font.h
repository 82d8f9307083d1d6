#ifndef PCIZ_KIT_FONT_H
#define PCIZ_KIT_FONT_H

#include <SupportDefs.h>

#include <string>

// A font as the kit's views use it. Sizes are in the kit's coordinate units (pixels at
// scale 1), not points.
class BFont {
public:
    BFont() = default;
    explicit BFont(const BFont* font);

    void SetFamilyAndStyle(const char* family, const char* style);
    const char* Family() const { return fFamily.c_str(); }
    const char* Style() const { return fStyle.c_str(); }

    void SetSize(float size) { fSize = size; }
    float Size() const { return fSize; }

    void SetFace(uint16 face) { fFace = face; }
    uint16 Face() const { return fFace; }

    // Width of the characters in percent of the face's normal width.
    void SetStretch(int32 percent) { fStretch = percent; }
    int32 Stretch() const { return fStretch; }

    float StringWidth(const char* text) const;

    bool operator==(const BFont&) const = default;

private:
    std::string fFamily;
    std::string fStyle;
    float fSize = 12;
    uint16 fFace = 0x0040;
    int32 fStretch = 100;
};

// The system's fonts, filled in once the kit has started (by the first application or
// window): plain and bold are the system font, semi-condensed, so that labels laid out for a
// narrow face fit their frames; fixed is its fixed-width font at normal width.
extern const BFont* be_plain_font;
extern const BFont* be_bold_font;
extern const BFont* be_fixed_font;

#endif
