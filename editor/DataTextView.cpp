#include "DataTextView.h"

#include "EditWindow.h"
#include "ParseHexByte.h"

#include <FunctionFields.h>
#include <Looper.h>
#include <Message.h>
#include <TypeConstants.h>
#include <WindowMessages.h>

#include <AppDefs.h>

namespace {

constexpr int32 kMaxDigits = 2;

void AllowOnlyHexDigits(BTextView* view)
{
    // 127 stays allowed: it is the Delete key's code, not a character.
    for (uint32 character = 0; character <= 126; ++character)
        view->DisallowChar(character);
    for (const char* digit = "ABCDEFabcdef1234567890"; *digit != '\0'; ++digit)
        view->AllowChar(static_cast<uchar>(*digit));
}

} // namespace

DataTextView::DataTextView(BRect frame, const char* name, BRect textRect, const BFont* font,
                           int32 cellIndex, BLooper* target)
    : BTextView(frame, name, textRect, font, nullptr, B_FOLLOW_NONE, B_WILL_DRAW | B_PULSE_NEEDED),
      fWriteRequest(std::make_unique<BMessage>(kWriteRequest)), fTarget(target)
{
    fWriteRequest->AddInt32(kOffsetField, cellIndex);
    // Locked until the editor's "Read Only" box is cleared.
    MakeSelectable(false);
    MakeEditable(false);
    SetMaxBytes(kMaxDigits);
    SetWordWrap(false);
    AllowOnlyHexDigits(this);
}

DataTextView::~DataTextView() = default;

void DataTextView::ShowDeviceByte(const char* text)
{
    fDeviceText = text;
    SetText(text);
}

void DataTextView::SetFunction(uint8 bus, uint8 device, uint8 function)
{
    PutFunction(fWriteRequest.get(), bus, device, function);
}

void DataTextView::SetOffset(int32 offset)
{
    fWriteRequest->RemoveName(kOffsetField);
    fWriteRequest->AddInt32(kOffsetField, offset);
}

void DataTextView::KeyDown(const char* bytes, int32 numBytes)
{
    // A character of more than one byte can never be a hex digit.
    if (numBytes != 1)
        return;
    if (bytes[0] == B_PAGE_UP || bytes[0] == B_PAGE_DOWN) {
        // Turning pages is the editor's, wherever the focus is.
        BMessage key(B_KEY_DOWN);
        key.AddData("bytes", B_RAW_TYPE, bytes, 1);
        fTarget->PostMessage(&key);
        return;
    }
    if (bytes[0] == B_ENTER) {
        // A locked cell that kept the focus must not write its byte back.
        if (IsEditable())
            PostWriteRequest();
        MakeFocus(false);
        return;
    }
    if (bytes[0] == B_ESCAPE) {
        MakeFocus(false);
        return;
    }
    BTextView::KeyDown(bytes, numBytes);
}

void DataTextView::MakeFocus(bool focus)
{
    // Until the reload after a write, too, the cell shows what the device holds.
    if (!focus && fDeviceText != Text())
        SetText(fDeviceText.c_str());
    BTextView::MakeFocus(focus);
}

bool DataTextView::GetToolTipAt(BPoint, std::string* text)
{
    auto* editor = dynamic_cast<EditWindow*>(Window());
    int32 offset = 0;
    if (editor == nullptr || fWriteRequest->FindInt32(kOffsetField, &offset) != B_OK)
        return false;
    *text = editor->ExplainOffset(offset);
    return !text->empty();
}

void DataTextView::PostWriteRequest()
{
    char text[kMaxDigits + 1];
    GetText(0, kMaxDigits, text);
    BMessage request(*fWriteRequest);
    request.AddInt8(kDataField, static_cast<int8>(ParseHexByte(text)));
    fTarget->PostMessage(&request);
}
