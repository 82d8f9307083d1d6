#ifndef PCIZ_TESTS_DEVICE_LINES_H
#define PCIZ_TESTS_DEVICE_LINES_H

// The device window read as a person reads it: a line of text, the views on it left to right.

#include <StringView.h>
#include <Window.h>

#include <map>
#include <vector>

// The views that show a text, in the order they were added.
inline std::vector<BStringView*> ShownTexts(const BWindow* window)
{
    std::vector<BStringView*> shown;
    for (int32 i = 0; i < window->CountChildren(); ++i)
        if (auto* view = dynamic_cast<BStringView*>(window->ChildAt(i)); view && *view->Text())
            shown.push_back(view);
    return shown;
}

// The texts shown on the line of the label, joined by single blanks; empty when no view shows
// the label.
inline std::string LineOf(const BWindow* window, const std::string& label)
{
    std::multimap<std::pair<float, float>, std::string> views; // by top, then left
    float top = -1;
    for (BStringView* view : ShownTexts(window)) {
        if (top < 0 && view->Text() == label)
            top = view->Frame().top;
        views.emplace(std::pair(view->Frame().top, view->Frame().left), view->Text());
    }
    std::string line;
    for (const auto& [at, shown] : views)
        if (at.first == top)
            line += (line.empty() ? "" : " ") + shown;
    return line;
}

#endif
