#ifndef PCIZ_VIEWS_PCI_STRING_VIEW_H
#define PCIZ_VIEWS_PCI_STRING_VIEW_H

#include <StringView.h>

// A label in the system's bold font at size 10: every label, value and name of the device
// window, and the editor's title line.
class PciStringView : public BStringView {
public:
    PciStringView(BRect frame, const char* name, const char* text);
    ~PciStringView() override;
};

#endif
