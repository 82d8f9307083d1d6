#ifndef PCIZ_EDITOR_WRITES_WINDOW_H
#define PCIZ_EDITOR_WRITES_WINDOW_H

#include <Messenger.h>
#include <Window.h>

#include <memory>
#include <vector>

class BFilePanel;
class BListView;
class BStringView;
struct JournalEntry;

// "Writes": every write of this run, newest first, with what changed with it. The writes
// chosen, or the newest, can be undone through the editor that opened the window (a write like
// any other, so the editor's lock holds for it), copied as setpci commands, or saved as a
// script that repeats them.
class WritesWindow : public BWindow {
public:
    WritesWindow(BRect frame, BMessenger editor);

    void MessageReceived(BMessage* message) override;

private:
    void ShowJournal();
    // The entries chosen in the list, oldest first; all of them where none is chosen and all is
    // true, else the newest.
    std::vector<const JournalEntry*> Chosen(bool all) const;
    void Undo();
    void CopySetpci();
    void Save(const BMessage* chosen);
    void Say(const char* text);

    BMessenger fEditor;
    BListView* fList = nullptr;
    BStringView* fStatus = nullptr;
    std::unique_ptr<BFilePanel> fSavePanel;
};

#endif
