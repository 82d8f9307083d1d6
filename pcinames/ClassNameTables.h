#ifndef PCIZ_PCINAMES_CLASS_NAME_TABLES_H
#define PCIZ_PCINAMES_CLASS_NAME_TABLES_H

// Short names for the base class and subclass bytes of a PCI function.

#include <SupportDefs.h>

// Name of a base class code: 0x00..0x0D and 0xFF have one, every other code gets "".
const char* ClassName(uint8 classBase);

// Name of a subclass within its base class; "" where the table has none.
const char* SubclassName(uint8 classBase, uint8 classSub);

#endif
