#ifndef PCIZ_PCI_DUMP_LINES_H
#define PCIZ_PCI_DUMP_LINES_H

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The lines of an open file, read in large blocks and never more than a budget of bytes: a
// file, a pipe or a device may be longer than any dump can be. A pipe that brings nothing for
// a while is given up on, so a FIFO nobody writes to cannot hang the program. The last line
// needs no newline; a carriage return before one is dropped.
class DumpLines {
public:
    DumpLines(int file, size_t budget, std::chrono::milliseconds pipeWait);

    // The next line, valid until the next call; none at the end or after a failure.
    std::optional<std::string_view> Next();
    int LineNumber() const { return fLineNumber; }
    // Why reading stopped before the end: a sentence without the file's name; empty if it
    // did not.
    const std::string& Failure() const { return fFailure; }

private:
    bool Fill();
    bool WaitForData();

    const int fFile;
    const size_t fBudget;
    const std::chrono::milliseconds fPipeWait;
    bool fIsPipe = false;
    std::string fBuffer;
    size_t fStart = 0;
    size_t fRead = 0;
    bool fAtEnd = false;
    int fLineNumber = 0;
    std::string fFailure;
};

#endif
