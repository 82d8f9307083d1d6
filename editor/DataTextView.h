#ifndef PCIZ_EDITOR_DATA_TEXT_VIEW_H
#define PCIZ_EDITOR_DATA_TEXT_VIEW_H

#include <TextView.h>

#include <memory>

class BLooper;
class BMessage;

// One cell of the editor's grid: a configuration-space byte as at most two hexadecimal
// digits. Enter turns the text into a byte and posts a write request for the cell's offset to
// the editor, which writes it and reloads the grid; the cell never touches the device.
class DataTextView : public BTextView {
public:
    DataTextView(BRect frame, const char* name, BRect textRect, const BFont* font,
                 int32 cellIndex, BLooper* target);
    ~DataTextView() override;

    void KeyDown(const char* bytes, int32 numBytes) override;

private:
    void PostWriteRequest();

    // Built once with the cell's offset in "ID"; each Enter posts a copy with the byte added.
    std::unique_ptr<BMessage> fWriteRequest;
    BLooper* fTarget;
};

#endif
