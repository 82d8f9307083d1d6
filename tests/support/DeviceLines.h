#ifndef PCIZ_TESTS_DEVICE_LINES_H
#define PCIZ_TESTS_DEVICE_LINES_H

// The device window read as a person reads it: a line of text, the views on it left to right.

#include <StringView.h>
#include <Window.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// The texts shown on the line of the label, joined by single blanks; empty when no view shows
// the label.
inline std::string LineOf(const BWindow* window, const char* label)
{
    std::vector<BStringView*> shown;
    for (int32 i = 0; i < window->CountChildren(); ++i)
        if (auto* view = dynamic_cast<BStringView*>(window->ChildAt(i)); view && *view->Text())
            shown.push_back(view);
    const auto at = std::ranges::find_if(
        shown, [&](BStringView* view) { return std::strcmp(view->Text(), label) == 0; });
    if (at == shown.end())
        return "";
    const float top = (*at)->Frame().top;
    std::erase_if(shown, [&](BStringView* view) { return view->Frame().top != top; });
    std::ranges::sort(shown, {}, [](BStringView* view) { return view->Frame().left; });
    std::string line;
    for (BStringView* view : shown)
        line += (line.empty() ? "" : " ") + std::string(view->Text());
    return line;
}

#endif
