#ifndef PCIZ_APP_PCI_APP_H
#define PCIZ_APP_PCI_APP_H

#include <Application.h>

// The application object: its construction opens the device window, which ends the program
// when it closes.
class PciApp : public BApplication {
public:
    PciApp();
};

#endif
