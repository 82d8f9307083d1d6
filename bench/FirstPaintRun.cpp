#include "FirstPaintRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <vector>

extern char** environ;

namespace {

long long NowNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// This process's environment with Qt held to its offscreen platform.
std::vector<std::string> OffscreenEnvironment()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::string(*variable).rfind("QT_QPA_PLATFORM=", 0) != 0)
            variables.emplace_back(*variable);
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// A program that never paints must not hang the benchmark.
constexpr int kPatienceMilliseconds = 30000;

// Everything the child writes until it ends; empty if it takes too long, and then it is ended.
std::string ReadAll(int descriptor, pid_t child)
{
    std::string output;
    pollfd readable{descriptor, POLLIN, 0};
    char buffer[512];
    while (poll(&readable, 1, kPatienceMilliseconds) > 0) {
        const ssize_t count = read(descriptor, buffer, sizeof(buffer));
        if (count <= 0)
            return output;
        output.append(buffer, size_t(count));
    }
    kill(child, SIGKILL);
    return {};
}

} // namespace

FirstPaintRun RunToFirstPaint(const std::string& program)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    std::vector<std::string> arguments{program};
    std::vector<std::string> environment = OffscreenEnvironment();
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);

    const long long started = NowNanoseconds();
    pid_t child = 0;
    const int spawnError =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    const std::string output = spawnError == 0 ? ReadAll(pipeEnds[0], child) : std::string();
    close(pipeEnds[0]);
    if (spawnError != 0)
        return {};

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    FirstPaintRun run;
    long long painted = 0;
    std::istringstream line(output);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !(line >> painted))
        return run;
    line >> std::ws;
    std::getline(line, run.title);
    run.seconds = double(painted - started) * 1e-9;
    run.maxRssMiB = double(usage.ru_maxrss) / 1024.0;
    return run;
}
