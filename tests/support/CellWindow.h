#ifndef PCIZ_TESTS_CELL_WINDOW_H
#define PCIZ_TESTS_CELL_WINDOW_H

// One editor cell in a window of its own, built as the editor builds its cells; the window
// keeps the write requests the cell posts.

#include <AppDefs.h>
#include <DataTextView.h>
#include <Message.h>
#include <Window.h>
#include <WindowMessages.h>

#include <vector>

class CellWindow : public BWindow {
public:
    static constexpr int32 kOffset = 0x3C;

    CellWindow() : BWindow(BRect(300, 300, 400, 340), "cell", B_TITLED_WINDOW, B_NOT_RESIZABLE)
    {
        BFont font(be_fixed_font);
        font.SetSize(10);
        AddChild(cell = new DataTextView(BRect(35, 30, 53, 42), "data", BRect(0, 0, 100, 50), &font,
                                         kOffset, this));
        cell->MakeResizable(true);
    }
    // Page keys the cell hands on to its editor are no requests of its own.
    void MessageReceived(BMessage* message) override
    {
        if (message->what != B_KEY_DOWN)
            requests.push_back(*message);
    }

    // The byte each request carries; -1 for one that is no write of one byte at the cell's offset.
    std::vector<int> PostedBytes() const
    {
        std::vector<int> bytes;
        for (const BMessage& request : requests) {
            int32 offset = -1, count = 0;
            int8 data = 0;
            const bool whole =
                request.what == kWriteRequest && request.FindInt32(kOffsetField, &offset) == B_OK
                && request.GetInfo(kDataField, nullptr, &count) == B_OK && count == 1;
            bytes.push_back(whole && offset == kOffset
                                    && request.FindInt8(kDataField, &data) == B_OK
                                ? uint8(data)
                                : -1);
        }
        return bytes;
    }

    DataTextView* cell;
    std::vector<BMessage> requests;
};

#endif
