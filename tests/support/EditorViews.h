#ifndef PCIZ_TESTS_EDITOR_VIEWS_H
#define PCIZ_TESTS_EDITOR_VIEWS_H

// The editor's grid as a person sees it: the 256 cells in offset order and their texts; and
// the messages the editor takes, built as the device window and the cells build them.

#include <DataTextView.h>
#include <Message.h>
#include <PciAddress.h>
#include <PciBus.h>
#include <Window.h>
#include <WindowMessages.h>

#include <gtest/gtest.h>

#include <algorithm>

// A byte as a cell shows it: upper-case hex, no padding.
inline std::string HexText(uint32 value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%X", value);
    return text;
}

inline std::vector<DataTextView*> CellsOf(const BWindow* editor)
{
    std::vector<DataTextView*> cells;
    for (int32 i = 0; i < editor->CountChildren(); ++i)
        if (auto* cell = dynamic_cast<DataTextView*>(editor->ChildAt(i)))
            cells.push_back(cell);
    return cells;
}

inline std::string CellText(const BWindow* editor, int offset)
{
    return CellsOf(editor).at(offset)->Text();
}

inline testing::AssertionResult GridShowsBus(const BWindow* editor, PciBus& bus, PciAddress at)
{
    for (int offset = 0; offset < 256; ++offset)
        if (CellText(editor, offset)
            != HexText(bus.Read(at.bus, at.device, at.function, offset, 1) & 0xFF))
            return testing::AssertionFailure()
                   << "offset " << offset << " shows " << CellText(editor, offset);
    return testing::AssertionSuccess();
}

// Locked: a person can neither type into a cell nor select its text.
inline bool AllCellsLocked(const BWindow* editor, bool locked = true)
{
    return std::ranges::none_of(CellsOf(editor), [&](DataTextView* cell) {
        return cell->IsEditable() == locked || cell->IsSelectable() == locked;
    });
}

inline BMessage AddressMessage(PciAddress address, uint32 what = kEditorAddress)
{
    BMessage message(what);
    message.AddInt8(kBusField, int8(address.bus));
    message.AddInt8(kDeviceField, int8(address.device));
    message.AddInt8(kFunctionField, int8(address.function));
    return message;
}

// A byte typed at offset of the function at address.
inline BMessage WriteRequest(PciAddress address, int32 offset, uint8 byte)
{
    BMessage request = AddressMessage(address, kWriteRequest);
    request.AddInt32(kOffsetField, offset);
    request.AddInt8(kDataField, int8(byte));
    return request;
}

#endif
