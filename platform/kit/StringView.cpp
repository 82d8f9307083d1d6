#include "StringView.h"

#include "native/ViewState.h"

#include <QLabel>

namespace {

QLabel* LabelOf(const BView* view)
{
    return static_cast<QLabel*>(kit::ViewState::Of(view).Widget());
}

} // namespace

BStringView::BStringView(BRect frame, const char* name, const char* text, uint32 resizingMode,
                         uint32 flags)
    : BView(frame, name, resizingMode, flags)
{
    auto* label = new QLabel;
    // Shown as typed: a label never interprets its text as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kit::ViewState::Of(this).SetWidget(label);
    SetText(text);
}

void BStringView::SetText(const char* text)
{
    fText = text != nullptr ? text : "";
    LabelOf(this)->setText(QString::fromStdString(fText));
}

const char* BStringView::Text() const { return fText.c_str(); }
