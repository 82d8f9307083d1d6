#ifndef PCIZ_KIT_NATIVE_NATIVE_FONT_H
#define PCIZ_KIT_NATIVE_NATIVE_FONT_H

#include <Font.h>

#include <QFont>

namespace kit {

QFont ToQFont(const BFont& font);

// Fills be_plain_font, be_bold_font and be_fixed_font from Qt's system fonts.
void InitSystemFonts();

} // namespace kit

#endif
