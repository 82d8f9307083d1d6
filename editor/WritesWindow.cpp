#include "WritesWindow.h"

#include "ConfigLooper.h"
#include "JournalText.h"
#include "WriteJournal.h"

#include <AppDefs.h>
#include <Button.h>
#include <Clipboard.h>
#include <FilePanel.h>
#include <ListView.h>
#include <Message.h>
#include <PciStringView.h>
#include <StringItem.h>
#include <WindowMessages.h>
#include <WindowTitle.h>

#include <cstdio>
#include <fstream>

namespace {

constexpr const char* kUndoNote =
    "Undo writes back the byte from before; what changed with it stays.";

} // namespace

WritesWindow::WritesWindow(BRect frame, BMessenger editor)
    : BWindow(frame, WindowTitle("Writes").c_str(), B_TITLED_WINDOW, B_NOT_ZOOMABLE,
              B_CURRENT_WORKSPACE),
      fEditor(editor)
{
    const BRect bounds = Bounds();
    fList = new BListView(BRect(6, 6, bounds.right - 6, bounds.bottom - 52), "writes",
                          B_MULTIPLE_SELECTION_LIST);
    BFont fixed(be_fixed_font);
    fixed.SetSize(11);
    fList->SetFont(&fixed);
    AddChild(fList);
    fStatus = new PciStringView(BRect(6, bounds.bottom - 46, bounds.right - 6, bounds.bottom - 34),
                                "status", kUndoNote);
    AddChild(fStatus);
    const float top = bounds.bottom - 28;
    AddChild(new BButton(BRect(6, top, 70, top + 22), "undo", "Undo", new BMessage(kUndoChosen)));
    AddChild(new BButton(BRect(76, top, 196, top + 22), "setpci", "Copy as setpci",
                         new BMessage(kCopySetpci)));
    AddChild(new BButton(BRect(202, top, 272, top + 22), "save", "Save\xE2\x80\xA6",
                         new BMessage(kSaveScript)));
    AddShortcut('Z', 0, new BMessage(kUndoChosen));
    AddShortcut('C', 0, new BMessage(kCopySetpci));
    WriteJournal::Instance().Watch(BMessenger(this));
    ShowJournal();
}

void WritesWindow::MessageReceived(BMessage* message)
{
    switch (message->what) {
    case kJournalChanged:
        ShowJournal();
        break;
    case kUndoChosen:
        Undo();
        break;
    case kUndoRefused:
        Say("The editor is read only: clear \"Read Only\" there to undo.");
        break;
    case kCopySetpci:
        CopySetpci();
        break;
    case kSaveScript:
        fSavePanel = std::make_unique<BFilePanel>(B_SAVE_PANEL, BMessenger(this));
        fSavePanel->SetSaveText("pcizorvane-writes.sh");
        fSavePanel->Show();
        break;
    case B_SAVE_REQUESTED:
        Save(message);
        break;
    default:
        BWindow::MessageReceived(message);
    }
}

// Newest first; what stays chosen is lost, as each line moves down.
void WritesWindow::ShowJournal()
{
    fList->MakeEmpty();
    const std::vector<JournalEntry>& entries = WriteJournal::Instance().Entries();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        fList->AddItem(new BStringItem(DescribeWrite(*entry).c_str()));
}

std::vector<const JournalEntry*> WritesWindow::Chosen(bool all) const
{
    const std::vector<JournalEntry>& entries = WriteJournal::Instance().Entries();
    std::vector<const JournalEntry*> chosen;
    for (int32 n = 0, line; (line = fList->CurrentSelection(n)) >= 0; ++n)
        chosen.insert(chosen.begin(), &entries[entries.size() - 1 - size_t(line)]);
    if (chosen.empty() && !entries.empty()) {
        if (!all)
            return {&entries.back()};
        for (const JournalEntry& entry : entries)
            chosen.push_back(&entry);
    }
    return chosen;
}

// The newest chosen write first, so that an earlier byte is the last one put back.
void WritesWindow::Undo()
{
    const std::vector<const JournalEntry*> chosen = Chosen(false);
    if (chosen.empty()) {
        Say("No write to undo yet.");
        return;
    }
    for (auto entry = chosen.rbegin(); entry != chosen.rend(); ++entry) {
        const PciAddress& address = (*entry)->address;
        BMessage undo =
            ConfigLooper::WriteJob({address.bus, address.device, address.function, (*entry)->offset,
                                    static_cast<int8>((*entry)->before)});
        undo.what = kUndoWrite;
        if (fEditor.SendMessage(&undo) != B_OK) {
            Say("The editor is closed: open it with \"Edit\" to undo.");
            return;
        }
    }
    Say(kUndoNote);
}

void WritesWindow::CopySetpci()
{
    const std::vector<const JournalEntry*> chosen = Chosen(true);
    be_clipboard->SetText(SetpciCommands(chosen, std::time(nullptr)).c_str());
    Say(chosen.empty() ? "No writes yet: copied only the comment line."
                       : "Copied: paste into a root shell on the same machine to repeat.");
}

void WritesWindow::Save(const BMessage* chosen)
{
    const char* path = nullptr;
    if (chosen->FindString("path", &path) != B_OK)
        return;
    std::ofstream script(path, std::ios::trunc);
    script << SetpciScript(Chosen(true), std::time(nullptr));
    script.close();
    Say(script ? "Saved; run it as root with sh on the same machine."
               : "Could not write there; nothing was saved.");
}

void WritesWindow::Say(const char* text) { fStatus->SetText(text); }
