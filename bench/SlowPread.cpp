// Preloaded into the real-bus program (LD_PRELOAD), makes every read of a PCI function's sysfs
// config file take PCIZ_SLOW_PREAD_MS milliseconds longer (20 by default), as a device waking
// from a low-power state or behind a link that is down makes it: to look at the program as it
// meets such hardware, on this machine's bus, reading only. Other reads are left alone.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

using Pread = ssize_t (*)(int, void*, size_t, off_t);

bool IsConfigFile(int file)
{
    char link[64];
    char path[512];
    std::snprintf(link, sizeof(link), "/proc/self/fd/%d", file);
    const ssize_t length = readlink(link, path, sizeof(path) - 1);
    if (length <= 0)
        return false;
    path[length] = '\0';
    return std::strncmp(path, "/sys/devices/", 13) == 0
           && std::strcmp(path + length - 7, "/config") == 0;
}

void Wait()
{
    const char* setting = std::getenv("PCIZ_SLOW_PREAD_MS");
    const int milliseconds = setting != nullptr ? std::atoi(setting) : 20;
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

template <typename Function>
Function Next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t pread(int file, void* buffer, size_t count, off_t offset)
{
    static const Pread next = Next<Pread>("pread");
    if (IsConfigFile(file))
        Wait();
    return next(file, buffer, count, offset);
}

extern "C" ssize_t pread64(int file, void* buffer, size_t count, off_t offset)
{
    static const Pread next = Next<Pread>("pread64");
    if (IsConfigFile(file))
        Wait();
    return next(file, buffer, count, offset);
}
