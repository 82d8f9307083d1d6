#ifndef PCIZ_KIT_CHECK_BOX_H
#define PCIZ_KIT_CHECK_BOX_H

#include <Control.h>

// A box that keeps its own on or off value; a person's click flips it and invokes the box.
class BCheckBox : public BControl {
public:
    BCheckBox(BRect frame, const char* name, const char* label, BMessage* message,
              uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
              uint32 flags = B_WILL_DRAW | B_NAVIGABLE);

    void SetValue(int32 value) override;
};

#endif
