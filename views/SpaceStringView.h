#ifndef PCIZ_VIEWS_SPACE_STRING_VIEW_H
#define PCIZ_VIEWS_SPACE_STRING_VIEW_H

#include <StringView.h>

// A label in the system's fixed-width font at size 10, so that offsets line up in columns:
// the editor's row labels.
class SpaceStringView : public BStringView {
public:
    SpaceStringView(BRect frame, const char* name, const char* text);
    ~SpaceStringView() override;
};

#endif
