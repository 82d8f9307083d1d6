#ifndef PCIZ_TESTS_CELL_WINDOW_H
#define PCIZ_TESTS_CELL_WINDOW_H

// One editor cell in a window of its own, built as the editor builds its cells; the window
// keeps the write requests the cell posts.

#include <DataTextView.h>
#include <Message.h>
#include <Window.h>

#include <vector>

class CellWindow : public BWindow {
public:
    static constexpr int32 kOffset = 0x3C;

    CellWindow() : BWindow(BRect(300, 300, 400, 340), "cell", B_TITLED_WINDOW, B_NOT_RESIZABLE)
    {
        BFont font(be_fixed_font);
        font.SetSize(10);
        AddChild(cell = new DataTextView(BRect(35, 30, 53, 42), "data", BRect(0, 0, 100, 50), &font, kOffset, this));
        cell->MakeResizable(true);
    }
    void MessageReceived(BMessage* message) override { requests.push_back(*message); }

    DataTextView* cell;
    std::vector<BMessage> requests;
};

#endif
