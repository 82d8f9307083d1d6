#ifndef PCIZ_BENCH_BLOCK_READ_ENUMERATION_H
#define PCIZ_BENCH_BLOCK_READ_ENUMERATION_H

// The least libpci can be asked to do to list this machine's functions with what the device
// window shows of each: a scan through sysfs, then for each function its 64-byte header in one
// block read and the facts only the platform knows (IRQ, host addresses, sizes, ROM). Only
// reads. Returns the number of functions listed.
int EnumerateWithBlockReads();

#endif
