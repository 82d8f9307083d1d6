#ifndef PCIZ_APP_WINDOW_TITLE_H
#define PCIZ_APP_WINDOW_TITLE_H

#include <string>

// A window's title, naming the machine when it is not this machine's own bus, so practice on
// a simulated machine is never mistaken for the real one: "Pci Zorvane (simulated)". The copy
// of a dump, which its machine name gives as "m.txt, simulated", is said first and named last,
// its name shortened to fit a narrow title bar: "Simulated — Pci Zorvane — m.txt".
// note, when given, says what else a person must know: "Edit PCI Config (no root: 64 bytes)".
std::string WindowTitle(const char* title, const char* note = nullptr);

#endif
