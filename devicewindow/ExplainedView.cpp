#include "ExplainedView.h"

ExplainedView::ExplainedView(BRect frame, const char* name, const char* text, Explanation explain)
    : PciStringView(frame, name, text), fExplain(std::move(explain))
{
}

bool ExplainedView::GetToolTipAt(BPoint, std::string* text)
{
    // An empty view shows no value, so there is nothing to explain.
    *text = *Text() != '\0' ? fExplain() : std::string();
    return !text->empty();
}
