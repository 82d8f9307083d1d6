// The rows of labels and values: where each view of the device window stands.

#include "PciWindow.h"

#include <PciStringView.h>

#include <algorithm>

namespace {

struct Edges {
    float labelLeft, labelRight, valueLeft, valueRight;
};

// Every row is one line of views 10 units high, 12 units apart; the first line of the window
// starts 40 units down.
constexpr float kLineHeight = 12;
constexpr float kRowTop = 40;
constexpr float kRowBottom = 50;
// Where the rows that depend on the header type begin, ordinary and bridge alike.
constexpr float kHeaderRowsY = 110;

const rgb_color kNameColor = {25, 25, 150, 255};

bool ContinuesLine(int row, std::initializer_list<int> rows)
{
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

bool CommonRowContinuesLine(int row) { return ContinuesLine(row, {3, 4, 6, 10, 11}); }

bool HeaderRowContinuesLine(int row) { return ContinuesLine(row, {17, 24, 26}); }

bool BridgeRowContinuesLine(int row) { return ContinuesLine(row, {6, 8, 10, 12, 14, 16, 18, 20, 22}); }

Edges CommonRowEdges(int row)
{
    if (row == 3 || row == 6 || row == 10)
        return {110, 200, 180, 250};
    if (row == 4 || row == 11)
        return {205, 300, 275, 350};
    return {15, 80, 85, 300};
}

Edges HeaderRowEdges(int row)
{
    if (HeaderRowContinuesLine(row))
        return {155, 300, 240, 350};
    return {15, 100, 100, 300};
}

Edges BridgeRowEdges(int row)
{
    if (BridgeRowContinuesLine(row))
        return {150, 300, 240, 300};
    return {15, 100, 105, 300};
}

// Moves y to the row's line: back one line for a row that shares the line before, and a gap
// of 3 above the class and timer groups.
void StartRow(float& y, bool continuesLine, bool gapAbove)
{
    if (continuesLine)
        y -= kLineHeight;
    if (gapAbove)
        y += 3;
}

BRect Span(float left, float right, float y) { return BRect(left, y + kRowTop, right, y + kRowBottom); }

BRect LabelSpan(const Edges& edges, float y) { return Span(edges.labelLeft, edges.labelRight, y); }

BRect ValueSpan(const Edges& edges, float y) { return Span(edges.valueLeft, edges.valueRight, y); }

} // namespace

void PciWindow::AddRows()
{
    float y = 0;
    for (int row = 0; row < kCardBusRow; ++row)
        AddCommonRow(row, y);
    y = kHeaderRowsY;
    for (int row = kFirstHeaderRow; row < kRowCount; ++row)
        AddHeaderRow(row, y);
    y = kHeaderRowsY;
    for (int row = 0; row < kBridgeRowCount; ++row)
        AddBridgeRow(row, y);
}

PciStringView* PciWindow::AddNameView(BRect frame, const char* name)
{
    auto* view = new PciStringView(frame, name, "");
    view->SetHighColor(kNameColor);
    AddChild(view);
    return view;
}

void PciWindow::AddCommonRow(int row, float& y)
{
    StartRow(y, CommonRowContinuesLine(row), row == 7 || row == 9);
    const char* name = kRowLabels[row];
    if (row == 0)
        fVendorName = AddNameView(Span(118, 350, y), name);
    else if (row == 7)
        fSubclassName = AddNameView(Span(105, 300, y), name);
    else if (row == 8)
        fClassName = AddNameView(Span(105, 300, y), name);
    Edges edges = CommonRowEdges(row);
    AddRowViews(LabelSpan(edges, y), ValueSpan(edges, y), name, name, name, fRowLabels[row],
                fRowValues[row]);
    y += kLineHeight;
}

void PciWindow::AddHeaderRow(int row, float& y)
{
    StartRow(y, HeaderRowContinuesLine(row), false);
    const char* name = kRowLabels[row];
    if (row == 15)
        fSubsystemVendorName = AddNameView(Span(130, 350, y), name);
    Edges edges = HeaderRowEdges(row);
    AddRowViews(LabelSpan(edges, y), ValueSpan(edges, y), name, name, name, fRowLabels[row],
                fRowValues[row]);
    y += kLineHeight;
}

void PciWindow::AddBridgeRow(int row, float& y)
{
    StartRow(y, BridgeRowContinuesLine(row), false);
    // Bridge labels get their texts only when the bridge rows are shown.
    Edges edges = BridgeRowEdges(row);
    AddRowViews(LabelSpan(edges, y), ValueSpan(edges, y), kBridgeLabels[row], "", "",
                fBridgeLabels[row], fBridgeValues[row]);
    y += kLineHeight;
}

void PciWindow::AddRowViews(BRect labelFrame, BRect valueFrame, const char* labelName,
                            const char* labelText, const char* valueName, PciStringView*& label,
                            PciStringView*& value)
{
    label = new PciStringView(labelFrame, labelName, labelText);
    value = new PciStringView(valueFrame, valueName, "");
    AddChild(label);
    AddChild(value);
}
