#ifndef PCIZ_EDITOR_DATA_TEXT_VIEW_H
#define PCIZ_EDITOR_DATA_TEXT_VIEW_H

#include <TextView.h>

#include <memory>
#include <string>

class BLooper;
class BMessage;

// One cell of the editor's grid: a configuration-space byte as at most two hexadecimal
// digits. Enter turns the text into a byte and posts a write request for the cell's offset to
// the editor, which writes it and reloads the grid; the cell never touches the device. Typing
// is confirmed by Enter alone: leaving the cell any other way (Escape, the focus moving on)
// puts the device's byte back, so unconfirmed text never looks like the device's
// (docs/departures.md).
class DataTextView : public BTextView {
public:
    DataTextView(BRect frame, const char* name, BRect textRect, const BFont* font, int32 cellIndex,
                 BLooper* target);
    ~DataTextView() override;

    // Shows text as the byte read from the device, the text that leaving the cell puts back.
    void ShowDeviceByte(const char* text);
    // The function whose byte the cell shows, and where in its space; its write requests name
    // both.
    void SetFunction(uint8 bus, uint8 device, uint8 function);
    void SetOffset(int32 offset);

    void KeyDown(const char* bytes, int32 numBytes) override;
    void MakeFocus(bool focus = true) override;
    // What the byte means, as its editor knows it.
    bool GetToolTipAt(BPoint where, std::string* text) override;

private:
    void PostWriteRequest();

    // Built with the cell's offset in "ID" and the function it shows; each Enter posts a copy
    // with the byte added.
    std::unique_ptr<BMessage> fWriteRequest;
    BLooper* fTarget;
    std::string fDeviceText;
};

#endif
