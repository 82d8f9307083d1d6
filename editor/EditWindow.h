#ifndef PCIZ_EDITOR_EDIT_WINDOW_H
#define PCIZ_EDITOR_EDIT_WINDOW_H

#include <Window.h>

class BFont;
class DataTextView;
class PciStringView;
class SpaceStringView;

// The 256 bytes of one function's configuration space as a 16 x 16 grid of hex cells, read
// live from the device. It starts locked; once "Read Only" is cleared, a byte typed into a
// cell and confirmed with Enter is written, and the whole grid is read back.
class EditWindow : public BWindow {
public:
    EditWindow(BRect frame, uint8 bus, uint8 device, uint8 function);
    ~EditWindow() override;

    void MessageReceived(BMessage* message) override;
    bool QuitRequested() override;

    // Shows the function's address in the title and reads all 256 bytes into the cells, one
    // byte at a time.
    void Reload(uint8 bus, uint8 device, uint8 function);

private:
    static constexpr int kRows = 16;
    static constexpr int kColumns = 16;
    static constexpr int kCells = kRows * kColumns;

    void AddReadOnlyBox();
    void AddGridRow(int row, const BFont& font);
    void ShowAddress(const BMessage* message);
    void TargetCells();
    void DropTyping();
    void ToggleReadOnly();
    void WriteByte(const BMessage* message);
    bool IsForShownFunction(const BMessage* message) const;

    PciStringView* fTitle = nullptr;
    SpaceStringView* fRowLabels[kRows] = {};
    DataTextView* fCells[kCells] = {};
    uint8 fReadOnly = 1;
    uint8 fBus = 0;
    uint8 fDevice = 0;
    uint8 fFunction = 0;
};

#endif
