#include "DumpLines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kBlockSize = 1 << 16;
// Far more than lspci writes on a line, however long a device's name.
constexpr size_t kLongestLine = 1 << 16;

std::string Megabytes(size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

std::string Seconds(std::chrono::milliseconds wait)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%g s", double(wait.count()) / 1000);
    return text;
}

} // namespace

DumpLines::DumpLines(int file, size_t budget, std::chrono::milliseconds pipeWait)
    : fFile(file), fBudget(budget), fPipeWait(pipeWait)
{
    struct stat status {};
    fIsPipe = fstat(file, &status) == 0 && !S_ISREG(status.st_mode);
}

std::optional<std::string_view> DumpLines::Next()
{
    for (;;) {
        const size_t newline = fBuffer.find('\n', fStart);
        if (newline != std::string::npos || (fAtEnd && fStart < fBuffer.size())) {
            const size_t end = newline != std::string::npos ? newline : fBuffer.size();
            std::string_view line(fBuffer.data() + fStart, end - fStart);
            fStart = end + 1;
            ++fLineNumber;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            return line;
        }
        if (fAtEnd)
            return std::nullopt;
        if (fBuffer.size() - fStart > kLongestLine) {
            fFailure = "line " + std::to_string(fLineNumber + 1) + " is longer than "
                       + std::to_string(kLongestLine) + " characters";
            return std::nullopt;
        }
        if (!Fill())
            return std::nullopt;
    }
}

// Keeps the part of a line not yet taken and appends the next block.
bool DumpLines::Fill()
{
    fBuffer.erase(0, std::min(fStart, fBuffer.size()));
    fStart = 0;
    if (fIsPipe && !WaitForData())
        return false;
    const size_t kept = fBuffer.size();
    fBuffer.resize(kept + kBlockSize);
    ssize_t got;
    do
        got = read(fFile, fBuffer.data() + kept, kBlockSize);
    while (got < 0 && errno == EINTR);
    fBuffer.resize(kept + size_t(std::max<ssize_t>(got, 0)));
    if (got < 0) {
        fFailure = std::strerror(errno);
        return false;
    }
    fRead += size_t(got);
    if (fRead > fBudget) {
        fFailure = "it holds more than " + Megabytes(fBudget)
                   + ", more than a dump of any machine can hold";
        return false;
    }
    fAtEnd = got == 0;
    return true;
}

bool DumpLines::WaitForData()
{
    pollfd waiting{fFile, POLLIN, 0};
    int ready;
    do
        ready = poll(&waiting, 1, int(fPipeWait.count()));
    while (ready < 0 && errno == EINTR);
    if (ready > 0)
        return true;
    fFailure = "nothing came through it for " + Seconds(fPipeWait) + "; is anything writing to it?";
    return false;
}
