#ifndef PCIZ_APP_EDITOR_OPEN_FLAG_H
#define PCIZ_APP_EDITOR_OPEN_FLAG_H

#include <SupportDefs.h>

#include <atomic>

// 1 while an editor window exists, 0 otherwise: what keeps the program to one editor. Set by
// the device window when it opens the editor, cleared by the editor when it closes.
extern std::atomic<uint8> gEditorOpen;

#endif
