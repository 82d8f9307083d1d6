#include "PciApp.h"

int main()
{
    PciApp app;
    app.Run();
    return 0;
}
