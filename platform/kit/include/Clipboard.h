#ifndef PCIZ_KIT_CLIPBOARD_H
#define PCIZ_KIT_CLIPBOARD_H

// The desktop's clipboard, shared with every other program: what is put on it can be pasted
// anywhere. It takes plain text only. Only the thread that serves the windows may use it.
class BClipboard {
public:
    // Puts text on the clipboard in place of what it held.
    void SetText(const char* text);
};

extern BClipboard* const be_clipboard;

#endif
