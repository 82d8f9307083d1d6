#ifndef PCIZ_DEVICEWINDOW_EXPLAINED_VIEW_H
#define PCIZ_DEVICEWINDOW_EXPLAINED_VIEW_H

#include <PciStringView.h>

#include <functional>
#include <string>

// A label of the device window whose tooltip explains what it shows, worked out each time the
// tooltip is about to show: nothing is looked up before a person asks.
class ExplainedView : public PciStringView {
public:
    using Explanation = std::function<std::string()>;

    ExplainedView(BRect frame, const char* name, const char* text, Explanation explain);

    bool GetToolTipAt(BPoint where, std::string* text) override;

private:
    Explanation fExplain;
};

#endif
