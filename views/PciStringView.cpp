#include "PciStringView.h"

PciStringView::PciStringView(BRect frame, const char* name, const char* text)
    : BStringView(frame, name, text, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW)
{
    SetFont(be_bold_font, B_FONT_ALL);
    // Size 10 whatever size the user gave the system font.
    SetFontSize(10.0);
}

PciStringView::~PciStringView() = default;
