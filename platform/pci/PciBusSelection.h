#ifndef PCIZ_PCI_PCI_BUS_SELECTION_H
#define PCIZ_PCI_PCI_BUS_SELECTION_H

// Which bus the three PCI calls reach.

class PciBus;

// Defined by the backend library the program links (host or simulated, never both), so that
// the calls work from their first use without any set-up.
PciBus& DefaultPciBus();

// Puts bus in place of the default; nullptr restores the default. The caller keeps bus alive
// while it is installed.
void InstallPciBus(PciBus* bus);

#endif
