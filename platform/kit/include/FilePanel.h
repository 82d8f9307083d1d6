#ifndef PCIZ_KIT_FILE_PANEL_H
#define PCIZ_KIT_FILE_PANEL_H

#include <Messenger.h>

#include <memory>

class QFileDialog;

enum file_panel_mode {
    B_SAVE_PANEL = 1,
};

// The desktop's dialog in which a person chooses where a file goes. Show returns at once; once
// a person chooses, the target gets B_SAVE_REQUESTED with "path" (String) naming the file, and
// nothing if they cancel. Only the thread that serves the windows may use it.
class BFilePanel {
public:
    BFilePanel(file_panel_mode mode, BMessenger target);
    BFilePanel(const BFilePanel&) = delete;
    BFilePanel& operator=(const BFilePanel&) = delete;
    ~BFilePanel();

    // The file name offered at first.
    void SetSaveText(const char* name);
    void Show();

private:
    std::unique_ptr<QFileDialog> fDialog;
};

#endif
