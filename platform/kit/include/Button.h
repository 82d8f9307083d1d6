#ifndef PCIZ_KIT_BUTTON_H
#define PCIZ_KIT_BUTTON_H

#include <Control.h>

// A push button; a person's click invokes it.
class BButton : public BControl {
public:
    BButton(BRect frame, const char* name, const char* label, BMessage* message,
            uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
            uint32 flags = B_WILL_DRAW | B_NAVIGABLE);
};

#endif
