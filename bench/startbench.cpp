// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Poolwright and a minimal Qt window in turn (A B C A B C ...), each until its first
// frame, and compares their start-up times and peak memory; C is the minimal window again, made
// as large as Poolwright's, which tells the cost of the larger window from the cost of the
// rest. Then runs the in-process latency benchmark. It prints and never fails on a time.
// Then starts Poolwright with a 49 MB settings file (the three defaults and a million lines of
// something else), which must not cost more than a little reading.
// Usage: poolwright_bench [--runs N] [--warmups N] [--presses N] [--opens N]
//                         [--app PROGRAM] [--minimal PROGRAM] [--no-latency] [--verbose]
//                         [--cpu N] [--large-runs N]
// Every program runs on one CPU (0 unless --cpu says otherwise, -1 for none): the CPUs of a
// shared or virtual machine can differ by a third in speed, which would otherwise decide
// more than the programs do.
// --app and --minimal compare other builds of the two programs, e.g. before and after a change.
#include "stats.h"

#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

struct Launch
{
    bool ok = false;
    double milliseconds = 0;
    double residentMiB = 0;
    std::string windowSize; // "WxH", where the program tells it
};

// One start of program, from just before it is spawned to the first frame it reports.
Launch Start(const char* program, const std::vector<std::string>& arguments = {})
{
    Launch launch;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return launch;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    // Qt's chatter about the platform would only interleave with the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const std::int64_t started = MonotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(spawned));
        return launch;
    }
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    long long frame = 0;
    char size[32] = "";
    const std::size_t at = text.find("first-frame ");
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "first-frame %lld %31s", &frame, size) < 1 ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report a first frame (status %d)\n", program, status);
        return launch;
    }
    launch.ok = true;
    launch.milliseconds = static_cast<double>(frame - started) / 1e6;
    launch.residentMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    launch.windowSize = size;
    return launch;
}

void PrintRow(const char* name, const Summary& s, int decimals)
{
    std::printf("  %-22s %8.*f %8.*f %8.*f %8.*f %8.*f\n", name, decimals, s.median, decimals,
                s.p25, decimals, s.p75, decimals, s.min, decimals, s.max);
}

const char* ArgumentText(int argc, char* argv[], const char* name, const char* fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return argv[i + 1];
    return fallback;
}

int ArgumentValue(int argc, char* argv[], const char* name, int fallback)
{
    const char* text = ArgumentText(argc, argv, name, nullptr);
    return text != nullptr ? std::atoi(text) : fallback;
}

std::string Platform()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0')
        return platform;
    const char* display = std::getenv("DISPLAY");
    return display != nullptr ? std::string("xcb, DISPLAY=") + display : "Qt's default";
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = ArgumentValue(argc, argv, "--runs", 15);
    const int warmups = ArgumentValue(argc, argv, "--warmups", 2);
    const bool verbose = std::find_if(argv + 1, argv + argc, [](const char* argument) {
                             return std::strcmp(argument, "--verbose") == 0;
                         }) != argv + argc;
    const std::string presses = std::to_string(ArgumentValue(argc, argv, "--presses", 1000));
    const std::string opens = std::to_string(ArgumentValue(argc, argv, "--opens", 20));

    // Stored settings as after a first save, in a folder of their own: the user's are never
    // read, and the load steps read a real file.
    char folder[] = "/tmp/poolwright-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    std::filesystem::create_directories(std::string(folder) + "/Poolwright");
    std::ofstream(std::string(folder) + "/Poolwright/Poolwright.ini")
        << "[Defaults]\nBleachStrength=6\nPoolSize=20000\nUOM=Imperial\n";
    setenv("XDG_CONFIG_HOME", folder, 1);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr)
        setenv("XDG_RUNTIME_DIR", folder, 1); // private (0700), as Qt wants it

    const int cpu = ArgumentValue(argc, argv, "--cpu", 0);
    if (cpu >= 0) {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        if (sched_setaffinity(0, sizeof one, &one) != 0)
            std::perror("sched_setaffinity");
    }

    const char* programs[] = {ArgumentText(argc, argv, "--app", POOLWRIGHT_FRAME_PROGRAM),
                              ArgumentText(argc, argv, "--minimal", MINIMAL_FRAME_PROGRAM)};
    constexpr int kPrograms = 3; // Poolwright, the minimal window, the minimal window enlarged
    std::vector<double> times[kPrograms], memory[kPrograms];
    std::string poolwrightSize;
    int failures = 0;
    for (int run = 0; run < warmups + runs; ++run) {
        for (int which = 0; which < kPrograms; ++which) {
            if (which == 2 && poolwrightSize.empty())
                continue; // Poolwright has not told its size
            const Launch launch = which == 2 ? Start(programs[1], {"--size", poolwrightSize})
                                             : Start(programs[which]);
            if (!launch.ok) {
                ++failures;
                continue;
            }
            if (which == 0)
                poolwrightSize = launch.windowSize;
            if (verbose)
                std::fprintf(stderr, "%c run %d: %.1f ms, %.2f MiB\n", "ABC"[which], run,
                             launch.milliseconds, launch.residentMiB);
            if (run >= warmups) {
                times[which].push_back(launch.milliseconds);
                memory[which].push_back(launch.residentMiB);
            }
        }
    }

    // The same start with a settings file far larger than three values need, in a folder of
    // its own. Starting never saves, so every run meets the whole file.
    const int largeRuns = ArgumentValue(argc, argv, "--large-runs", 5);
    std::vector<double> largeTimes, largeMemory;
    std::string largeFolder = std::string(folder) + "/large";
    if (largeRuns > 0) {
        std::filesystem::create_directories(largeFolder + "/Poolwright");
        std::ofstream large(largeFolder + "/Poolwright/Poolwright.ini");
        large << "[Defaults]\nBleachStrength=6\nPoolSize=20000\nUOM=Imperial\n[Noise]\n";
        const std::string filler(38, 'n');
        char key[16];
        for (int line = 0; line < 1000000; ++line) {
            std::snprintf(key, sizeof key, "key%07d=", line);
            large << key << filler << '\n';
        }
    }
    setenv("XDG_CONFIG_HOME", largeFolder.c_str(), 1);
    for (int run = 0; run < largeRuns; ++run) {
        const Launch launch = Start(programs[0]);
        if (!launch.ok) {
            ++failures;
            continue;
        }
        if (verbose)
            std::fprintf(stderr, "large settings run %d: %.1f ms, %.2f MiB\n", run,
                         launch.milliseconds, launch.residentMiB);
        largeTimes.push_back(launch.milliseconds);
        largeMemory.push_back(launch.residentMiB);
    }
    setenv("XDG_CONFIG_HOME", folder, 1);

    const Summary poolTime = Summarize(times[0]), minimalTime = Summarize(times[1]);
    const Summary poolMemory = Summarize(memory[0]), minimalMemory = Summarize(memory[1]);
    const Summary enlargedTime = Summarize(times[2]);
    std::printf("CPU: %s\n", cpu >= 0 ? std::to_string(cpu).c_str() : "any");
    std::printf("Platform: %s\nPoolwright: %s\nminimal Qt window: %s\n\n", Platform().c_str(),
                programs[0], programs[1]);
    std::printf("Launch to first painted frame, ms (%d runs each, interleaved, after %d warm-up)\n",
                runs, warmups);
    std::printf("  %-22s %8s %8s %8s %8s %8s\n", "", "median", "p25", "p75", "min", "max");
    PrintRow("Poolwright", poolTime, 1);
    PrintRow("minimal Qt window", minimalTime, 1);
    std::printf("  ratio of medians: %.2f\n",
                minimalTime.median > 0 ? poolTime.median / minimalTime.median : 0.0);
    if (enlargedTime.count > 0) {
        std::printf("  for comparison, the minimal window as large as Poolwright's (%s):\n",
                    poolwrightSize.c_str());
        PrintRow("minimal, enlarged", enlargedTime, 1);
        std::printf("  ratio of medians, Poolwright to the enlarged window: %.2f\n",
                    poolTime.median / enlargedTime.median);
    }
    std::printf("\n");
    std::printf("Peak resident memory, MiB\n");
    std::printf("  %-22s %8s %8s %8s %8s %8s\n", "", "median", "p25", "p75", "min", "max");
    PrintRow("Poolwright", poolMemory, 2);
    PrintRow("minimal Qt window", minimalMemory, 2);
    std::printf("  ratio of medians: %.2f\n\n",
                minimalMemory.median > 0 ? poolMemory.median / minimalMemory.median : 0.0);
    if (!largeTimes.empty()) {
        std::printf("Poolwright with a 49 MB settings file (the defaults and a million other "
                    "lines), %zu runs\n",
                    largeTimes.size());
        std::printf("  %-22s %8s %8s %8s %8s %8s\n", "", "median", "p25", "p75", "min", "max");
        PrintRow("first frame, ms", Summarize(largeTimes), 1);
        PrintRow("peak resident, MiB", Summarize(largeMemory), 2);
        std::printf("\n");
    }
    std::fflush(stdout);

    // The in-process part: every window of the menu and every Calculate press.
    const bool latencyWanted = std::find_if(argv + 1, argv + argc, [](const char* argument) {
                                   return std::strcmp(argument, "--no-latency") == 0;
                               }) == argv + argc;
    const std::string latency = LATENCY_PROGRAM;
    char* const latencyArgv[] = {const_cast<char*>(latency.c_str()), const_cast<char*>("--presses"),
                                 const_cast<char*>(presses.c_str()), const_cast<char*>("--opens"),
                                 const_cast<char*>(opens.c_str()),   nullptr};
    pid_t pid = 0;
    int status = 1;
    if (!latencyWanted)
        status = 0;
    else if (posix_spawn(&pid, latency.c_str(), nullptr, nullptr, latencyArgv, environ) == 0)
        waitpid(pid, &status, 0);
    if (status != 0)
        ++failures;

    std::filesystem::remove_all(folder);
    if (failures > 0)
        std::fprintf(stderr, "%d run(s) failed\n", failures);
    return failures > 0 ? 1 : 0;
}
