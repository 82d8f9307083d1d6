#ifndef PCIZ_EDITOR_EDIT_WINDOW_H
#define PCIZ_EDITOR_EDIT_WINDOW_H

#include "ConfigLooper.h"
#include "RegisterTips.h"

#include <GraphicsDefs.h>
#include <Messenger.h>
#include <Window.h>

#include <array>
#include <atomic>
#include <memory>
#include <span>
#include <string>
#include <vector>

class BFont;
class BMenuField;
class BMessageRunner;
class BPopUpMenu;
class DataTextView;
struct JournalEntry;
class PciStringView;
class SpaceStringView;

// One function's configuration space as a 16 x 16 grid of hex cells, read live from the
// device: 256 bytes, or for a PCI Express function with an extended space one page of 256 of
// its 4096 at a time. It starts locked; once "Read Only" is cleared, a byte typed into a cell
// and confirmed with Enter is written, and the page is read back. Reads and writes run on a
// thread of the editor's own, so a slow device never stops a window: the title row and the
// cells change together once the bytes of the function named have arrived.
class EditWindow : public BWindow {
public:
    EditWindow(BRect frame, uint8 bus, uint8 device, uint8 function);
    ~EditWindow() override;

    void MessageReceived(BMessage* message) override;
    bool QuitRequested() override;
    void Quit() override;

    // Asks for the page shown of the function's bytes, read one byte at a time; they show
    // once they arrive.
    void Reload(uint8 bus, uint8 device, uint8 function);

    // What the byte at offset of the function shown is: its register, its access and value,
    // as the cells' tooltips say it.
    std::string ExplainOffset(int32 offset);

private:
    static constexpr int kRows = 16;
    static constexpr int kColumns = 16;
    static constexpr int kCells = kRows * kColumns;
    // The cells show one page of the space at a time.
    static constexpr int32 kPageSize = ConfigLooper::kPageSize;
    static_assert(kPageSize == kCells);
    static constexpr int kPages = 16;

    void AddReadOnlyBox();
    void AddPageControl();
    void AddGridRow(int row, const BFont& font);
    void ShowAddress(const BMessage* message);
    void TargetCells();
    void DropTyping();
    void ToggleReadOnly();
    void WriteByte(const BMessage* message);
    bool IsForShownFunction(const BMessage* message) const;
    void TurnPage(int page);
    void TakeKey(const BMessage* message);

    // The bus thread's side.
    int32 Ask(BMessage* request, bool awaited = true);
    // write: the journal entry of the write whose reading reply is, or null.
    void ShowBytes(const BMessage* reply, const JournalEntry* write);
    void LearnPage(std::span<const uint8> bytes, int32 page, int32 size);
    void LearnSpace(const BMessage* reply);
    bool IsShownFunction(uint8 bus, uint8 device, uint8 function) const;
    bool Answers(const BMessage* reply) const;
    void ShowHeading(const BMessage* reply);
    void ShowPageControl(int32 size, int page);
    void ShowPageOffsets(int page);
    void ShowCells(const uint8* bytes);
    void ShowReading();
    void SayReading();
    void LetCellsTakeTyping(bool take);
    void StopBusWork();

    // The journal of writes.
    // The entry made where reply is the reading after a write; null for any other reply.
    const JournalEntry* RecordWrite(const BMessage* reply);
    void MarkChanges(const JournalEntry& write);
    void UndoWrite(const BMessage* message);
    void ShowWrites();

    // The context menu of capabilities.
    void OpenCapabilityMenu(const BMessage* request);
    void GoToOffset(const BMessage* choice);
    void FocusOrMark(int32 offset);
    void MarkCell(int32 offset, rgb_color color);
    void ClearMarks();

    PciStringView* fTitle = nullptr;
    SpaceStringView* fRowLabels[kRows] = {};
    DataTextView* fCells[kCells] = {};
    BMenuField* fPageControl = nullptr;
    uint8 fReadOnly = 1;
    uint8 fBus = 0;
    uint8 fDevice = 0;
    uint8 fFunction = 0;
    // The page asked for, and the one whose bytes the cells show.
    int fPage = 0;
    int fShownPage = 0;
    // Of the function whose bytes the cells show.
    int32 fSize = kPageSize;

    ConfigLooper* fBusWork = nullptr;
    BMessenger fBusThread;
    std::shared_ptr<std::atomic<int32>> fNewestRequest;
    int32 fLastSerial = 0;
    // The newest request whose bytes the cells show, and the one they wait for.
    int32 fShownSerial = 0;
    int32 fAwaitedSerial = 0;
    bool fSayingReading = false;
    std::unique_ptr<BMessageRunner> fReadingNotice;

    // What the bytes of the function shown mean; the whole space is read once for it.
    RegisterTips fTips;
    uint8 fTipsBus = 0;
    uint8 fTipsDevice = 0;
    uint8 fTipsFunction = 0;
    bool fSpaceKnown = false;
    int32 fSpaceAsked = 0;
    std::unique_ptr<BPopUpMenu> fCapabilityMenu;
    // A byte to go to once its page is shown; -1 for none.
    int32 fPendingGoTo = -1;
    std::vector<int> fMarkedCells;
    // The page's bytes as the cells show them, once they show any.
    std::array<uint8, kCells> fShownBytes{};
    bool fCellsShowBytes = false;
    BMessenger fWrites;
};

#endif
