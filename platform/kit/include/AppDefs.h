#ifndef PCIZ_KIT_APP_DEFS_H
#define PCIZ_KIT_APP_DEFS_H

#include <SupportDefs.h>

enum : uint32 {
    // Asks a looper to quit: a window asks its QuitRequested hook, the application asks every
    // window.
    B_QUIT_REQUESTED = FourCharCode("_QRQ"),
    // A key that no view of the window took, such as one pressed while none has the focus.
    // Field "bytes": B_RAW_TYPE, the key as KeyDown receives it.
    B_KEY_DOWN = FourCharCode("_KYD"),
    // A person asked for a context menu over the window: a secondary click, or the menu key.
    // Field "where": BPoint, where to open it, in screen coordinates.
    B_CONTEXT_MENU_REQUESTED = FourCharCode("_CMR"),
    // A person chose where to save, in a save panel. Field "path": String.
    B_SAVE_REQUESTED = FourCharCode("_SAV"),
};

#endif
