// The rows of labels and values: each row's views made where its placement puts them.

#include "PciWindow.h"

#include <PciStringView.h>

namespace {

// Every row is one line of views 10 units high, 12 units apart; the first line of the window
// starts 40 units down.
constexpr float kLineHeight = 12;
constexpr float kRowTop = 40;
constexpr float kRowBottom = 50;
constexpr float kGroupGap = 3;
// Where the rows that depend on the header's layout begin, ordinary and bridge alike.
constexpr float kLayoutRowsY = 110;

const rgb_color kNameColor = {25, 25, 150, 255};

BRect Span(float left, float right, float y)
{
    return BRect(left, y + kRowTop, right, y + kRowBottom);
}

// Moves y to the row's line: back one line for a row that shares the line before, and down by
// a gap above a new group.
void StartRow(float& y, const RowPlacement& place)
{
    if (place.continuesLine)
        y -= kLineHeight;
    if (place.gapAbove)
        y += kGroupGap;
}

} // namespace

void PciWindow::AddRows()
{
    float y = 0;
    for (int row = ordinary::VendorId; row < ordinary::CardBusCis; ++row)
        AddOrdinaryRow(ordinary::Row(row), y);
    y = kLayoutRowsY;
    for (int row = ordinary::kFirstLayoutRow; row < ordinary::Count; ++row)
        AddOrdinaryRow(ordinary::Row(row), y);
    y = kLayoutRowsY;
    for (int row = 0; row < bridge::Count; ++row)
        AddBridgeRow(bridge::Row(row), y);
}

void PciWindow::AddOrdinaryRow(ordinary::Row row, float& y)
{
    const RowPlacement& place = kOrdinaryRows[row];
    StartRow(y, place);
    if (place.HasNameView()) {
        fNames[row] = new PciStringView(Span(place.nameLeft, place.nameRight, y), place.label, "");
        fNames[row]->SetHighColor(kNameColor);
        AddChild(fNames[row]);
    }
    AddRowViews(place, y, place.label, place.label, fRowLabels[row], fRowValues[row],
                [this, row] { return ExplainShown(row); });
    y += kLineHeight;
}

void PciWindow::AddBridgeRow(bridge::Row row, float& y)
{
    const RowPlacement& place = kBridgeRows[row];
    StartRow(y, place);
    // Bridge labels get their texts only when the bridge rows are shown; their values have
    // no name.
    AddRowViews(place, y, "", "", fBridgeLabels[row], fBridgeValues[row],
                [this, row] { return ExplainShown(row); });
    y += kLineHeight;
}

// A value's tooltip explains it, in words worked out only when a person asks.
void PciWindow::AddRowViews(const RowPlacement& place, float y, const char* labelText,
                            const char* valueName, PciStringView*& label, PciStringView*& value,
                            ExplainedView::Explanation explain)
{
    label = new PciStringView(Span(place.labelLeft, place.labelRight, y), place.label, labelText);
    value = new ExplainedView(Span(place.valueLeft, place.valueRight, y), valueName, "",
                              std::move(explain));
    AddChild(label);
    AddChild(value);
}
