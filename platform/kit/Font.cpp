#include "Font.h"

#include "native/NativeFont.h"

#include <InterfaceDefs.h>

#include <QFontDatabase>
#include <QFontMetricsF>

namespace {
BFont sPlainFont;
BFont sBoldFont;
BFont sFixedFont;

// The system font is used at the size the toolkit's own controls are drawn with.
constexpr float kSystemFontSize = 12;
} // namespace

const BFont* be_plain_font = &sPlainFont;
const BFont* be_bold_font = &sBoldFont;
const BFont* be_fixed_font = &sFixedFont;

BFont::BFont(const BFont* font)
{
    if (font != nullptr)
        *this = *font;
}

void BFont::SetFamilyAndStyle(const char* family, const char* style)
{
    if (family != nullptr)
        fFamily = family;
    if (style != nullptr)
        fStyle = style;
}

float BFont::StringWidth(const char* text) const
{
    if (text == nullptr)
        return 0;
    return static_cast<float>(
        QFontMetricsF(kit::ToQFont(*this)).horizontalAdvance(QString::fromUtf8(text)));
}

namespace kit {

QFont ToQFont(const BFont& font)
{
    QFont result(QString::fromStdString(font.Family()));
    result.setPixelSize(qMax(1, qRound(font.Size())));
    result.setBold((font.Face() & B_BOLD_FACE) != 0);
    result.setStretch(font.Stretch());
    if (font.Style()[0] != '\0')
        result.setStyleName(QString::fromUtf8(font.Style()));
    return result;
}

namespace {
BFont FromSystemFont(QFontDatabase::SystemFont which, uint16 face, int32 stretch)
{
    BFont font;
    font.SetFamilyAndStyle(QFontDatabase::systemFont(which).family().toUtf8().constData(), "");
    font.SetSize(kSystemFontSize);
    font.SetFace(face);
    font.SetStretch(stretch);
    return font;
}
} // namespace

void InitSystemFonts()
{
    sPlainFont = FromSystemFont(QFontDatabase::GeneralFont, B_REGULAR_FACE, QFont::SemiCondensed);
    sBoldFont = FromSystemFont(QFontDatabase::GeneralFont, B_BOLD_FACE, QFont::SemiCondensed);
    sFixedFont = FromSystemFont(QFontDatabase::FixedFont, B_REGULAR_FACE, QFont::Unstretched);
}

} // namespace kit
