#include "SpaceStringView.h"

SpaceStringView::SpaceStringView(BRect frame, const char* name, const char* text)
    : BStringView(frame, name, text, B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW)
{
    SetFont(be_fixed_font, B_FONT_ALL);
    SetFontSize(10.0);
}

SpaceStringView::~SpaceStringView() = default;
