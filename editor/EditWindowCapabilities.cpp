// The grid's context menu: the window of writes, and every capability found, to go to.

#include "EditWindow.h"

#include "ConfigLooper.h"
#include "DataTextView.h"

#include <Format.h>
#include <MenuItem.h>
#include <Message.h>
#include <Point.h>
#include <PopUpMenu.h>
#include <SeparatorItem.h>
#include <WindowMessages.h>

namespace {

// A byte gone to in a grid that cannot take the focus.
constexpr rgb_color kFoundColor = {255, 236, 140, 255};

} // namespace

// The window of writes first; then every capability found, at its offset, choosing one goes
// to its first byte.
void EditWindow::OpenCapabilityMenu(const BMessage* request)
{
    BPoint where;
    if (request->FindPoint("where", &where) != B_OK)
        return;
    fCapabilityMenu = std::make_unique<BPopUpMenu>("capabilities", false, false);
    fCapabilityMenu->AddItem(new BMenuItem("Writes\xE2\x80\xA6", new BMessage(kShowWrites)));
    fCapabilityMenu->AddItem(new BSeparatorItem);
    for (const RegisterMap::Structure& capability : fTips.Capabilities()) {
        const std::string label = Format("%03X  %s", unsigned(capability.offset),
                                         capability.readable ? capability.name : "not readable");
        auto* choice = new BMessage(kGoToOffset);
        choice->AddInt32(kOffsetField, capability.offset);
        fCapabilityMenu->AddItem(new BMenuItem(label.c_str(), choice));
    }
    if (fTips.Capabilities().empty())
        fCapabilityMenu->AddItem(new BMenuItem("No capabilities", nullptr));
    fCapabilityMenu->SetTargetForItems(BMessenger(this));
    fCapabilityMenu->Go(where);
}

void EditWindow::GoToOffset(const BMessage* choice)
{
    int32 offset = 0;
    if (choice->FindInt32(kOffsetField, &offset) != B_OK || offset < 0 || offset >= fSize)
        return;
    if (offset / kPageSize == fShownPage && fPage == fShownPage) {
        FocusOrMark(offset);
        return;
    }
    fPendingGoTo = offset;
    TurnPage(offset / kPageSize);
}

// An unlocked cell takes the focus; a locked one cannot, so it is marked.
void EditWindow::FocusOrMark(int32 offset)
{
    DataTextView* cell = fCells[offset % kPageSize];
    if (fReadOnly == 0 && !fSayingReading) {
        cell->MakeFocus(true);
        return;
    }
    MarkCell(offset, kFoundColor);
}

void EditWindow::MarkCell(int32 offset, rgb_color color)
{
    fCells[offset % kPageSize]->SetViewColor(color);
    fMarkedCells.push_back(offset % kPageSize);
}

// Marks show what the bytes last read meant; new bytes take them away.
void EditWindow::ClearMarks()
{
    for (int cell : fMarkedCells)
        fCells[cell]->SetViewColor(B_TRANSPARENT_COLOR);
    fMarkedCells.clear();
}
