#include "WindowTitle.h"

#include <PciMachine.h>

namespace {

void AddInBrackets(std::string& title, const char* text)
{
    if (text != nullptr && *text != '\0')
        title.append(" (").append(text).append(")");
}

} // namespace

std::string WindowTitle(const char* title, const char* note)
{
    std::string result = title;
    AddInBrackets(result, get_pci_machine_name());
    AddInBrackets(result, note);
    return result;
}
