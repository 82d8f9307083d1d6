#include "StringView.h"

#include "native/TextLabel.h"
#include "native/ViewState.h"

namespace {

kit::TextLabel* LabelOf(const BView* view)
{
    return static_cast<kit::TextLabel*>(kit::ViewState::Of(view).Widget());
}

} // namespace

BStringView::BStringView(BRect frame, const char* name, const char* text, uint32 resizingMode,
                         uint32 flags)
    : BView(frame, name, resizingMode, flags)
{
    kit::ViewState::Of(this).SetWidget(new kit::TextLabel(this));
    SetText(text);
}

void BStringView::SetText(const char* text)
{
    fText = text != nullptr ? text : "";
    LabelOf(this)->SetText(QString::fromStdString(fText));
}

const char* BStringView::Text() const { return fText.c_str(); }
