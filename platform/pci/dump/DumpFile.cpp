#include "DumpFile.h"

#include "DumpLines.h"
#include "DumpParser.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

DumpFile::DumpFile(const std::string& path, std::chrono::milliseconds pipeWait) : fPath(path)
{
    // Non-blocking, so that opening a FIFO nobody writes to cannot hang; reads wait by poll.
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        fProblem = "cannot read " + path + ": " + std::strerror(errno);
        return;
    }
    Read(file, pipeWait);
    close(file);
}

void DumpFile::Read(int file, std::chrono::milliseconds pipeWait)
{
    struct stat status {};
    fstat(file, &status);
    if (S_ISDIR(status.st_mode)) {
        fProblem = "cannot read " + fPath + ": " + std::strerror(EISDIR);
        return;
    }
    if (S_ISREG(status.st_mode) && status.st_size == 0) {
        fProblem = fPath + " is empty";
        return;
    }
    // Past the budget before a byte is read: a file too large is refused as it stands.
    if (S_ISREG(status.st_mode) && size_t(status.st_size) > kMostBytes) {
        fProblem = fPath + " is " + std::to_string(size_t(status.st_size) >> 20)
                   + " MiB, more than a dump of any machine can hold ("
                   + std::to_string(kMostBytes >> 20) + " MiB)";
        return;
    }
    DumpLines lines(file, kMostBytes, pipeWait);
    DumpParser parser;
    while (const auto line = lines.Next()) {
        if (!parser.Take(*line, lines.LineNumber())) {
            fProblem = fPath + ", " + parser.Problem();
            return;
        }
    }
    if (!lines.Failure().empty()) {
        fProblem = "cannot read " + fPath + ": " + lines.Failure();
        return;
    }
    fFunctions = parser.Finish();
    if (fFunctions.empty())
        fProblem = fPath + " holds no PCI function in the format of lspci -x";
}

const std::string& DumpFile::Problem() const { return fProblem; }

const std::vector<SimulatedFunction>& DumpFile::Functions() const { return fFunctions; }

std::vector<SimulatedFunction> DumpFile::TakeFunctions() { return std::move(fFunctions); }

std::string DumpFile::MachineName() const
{
    return std::filesystem::path(fPath).filename().string() + ", simulated";
}
