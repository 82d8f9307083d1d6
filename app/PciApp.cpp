#include "PciApp.h"

#include <PciWindow.h>

PciApp::PciApp() : BApplication("application/x-vnd.Be-HelloWorldSample")
{
    // The window belongs to the kit once shown: no pointer to it is kept.
    auto* window = new PciWindow(BRect(100, 80, 400, 360));
    window->Show();
}
