#ifndef PCIZ_KIT_STRING_VIEW_H
#define PCIZ_KIT_STRING_VIEW_H

#include <View.h>

#include <string>

// A one-line, read-only label. Its context menu (a right click on its text) copies the text.
class BStringView : public BView {
public:
    BStringView(BRect frame, const char* name, const char* text,
                uint32 resizingMode = B_FOLLOW_LEFT | B_FOLLOW_TOP, uint32 flags = B_WILL_DRAW);

    // Copies the text.
    void SetText(const char* text);
    const char* Text() const;

private:
    std::string fText;
};

#endif
