#ifndef PCIZ_KIT_APP_DEFS_H
#define PCIZ_KIT_APP_DEFS_H

#include <SupportDefs.h>

// Asks a looper to quit: a window asks its QuitRequested hook, the application asks every window.
enum : uint32 {
    B_QUIT_REQUESTED = FourCharCode("_QRQ"),
};

#endif
