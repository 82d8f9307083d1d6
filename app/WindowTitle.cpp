#include "WindowTitle.h"

#include <PciMachine.h>

#include <cctype>
#include <vector>

namespace {

// What the end of a title bar 300 units wide still shows of a dump's name, in characters.
constexpr size_t kShownNameLength = 9;
constexpr size_t kShownNameStart = 5;
constexpr size_t kShownNameEnd = 3;

void AddInBrackets(std::string& title, const char* text)
{
    if (text != nullptr && *text != '\0')
        title.append(" (").append(text).append(")");
}

// Where each character of UTF-8 text starts, so that it is never cut inside a character.
std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    return starts;
}

// A file name short enough to be read whole: without its extension if it is long, and then
// its start and end around an ellipsis, "works…-11" for "workstation-lab3-2024-03-11.txt".
std::string Shortened(std::string name)
{
    if (CharacterStarts(name).size() <= kShownNameLength)
        return name;
    if (const size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    const std::vector<size_t> starts = CharacterStarts(name);
    if (starts.size() <= kShownNameLength)
        return name;
    return name.substr(0, starts[kShownNameStart]) + "\u2026"
           + name.substr(starts[starts.size() - kShownNameEnd]);
}

} // namespace

std::string WindowTitle(const char* title, const char* note)
{
    const std::string machine = get_pci_machine_name();
    std::string result;
    const size_t comma = machine.rfind(", ");
    if (comma == std::string::npos) {
        result = title;
        AddInBrackets(result, machine.c_str());
        AddInBrackets(result, note);
        return result;
    }
    // The copy of a dump, "m.txt, simulated". Window managers cut a long title in its middle
    // (openbox, JWM) or at its end: what it is leads, and the file's name ends the title.
    result = machine.substr(comma + 2) + " \u2014 " + title;
    result[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[0])));
    AddInBrackets(result, note);
    return result + " \u2014 " + Shortened(machine.substr(0, comma));
}
