#ifndef PCIZ_KIT_MENU_FIELD_H
#define PCIZ_KIT_MENU_FIELD_H

#include <View.h>

#include <string>

class BMenu;

// A label followed by a button that pops a menu up. The label takes the width up to the
// divider; the button shows the marked item's label, or the menu's name.
class BMenuField : public BView {
public:
    // Takes ownership of menu.
    BMenuField(BRect frame, const char* name, const char* label, BMenu* menu,
               uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP,
               uint32 flags = B_WILL_DRAW | B_NAVIGABLE);
    ~BMenuField() override;

    BMenu* Menu() const;
    const char* Label() const;
    // What the field's button shows now.
    const char* MenuLabel() const;

    void SetAlignment(alignment label);
    alignment Alignment() const;

private:
    // The label takes the width up to the divider, the button the rest.
    void PlaceDivider(float divider);

    BMenu* fMenu;
    std::string fLabel;
    alignment fAlignment = B_ALIGN_LEFT;
};

#endif
