#pragma once

// What the desktop probes measure of their own process, read the same way by
// the program's probe and by the bare baseline.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace probe {

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline long long realtimeNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

inline long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Counts from the start of the measured window to its end.
struct Window
{
    double cpuStart = cpuSeconds();
    long long wallStart = realtimeNanoseconds();
    int ticksStart;
    int paintsStart;

    Window(int ticks, int paints)
        : ticksStart(ticks)
        , paintsStart(paints)
    {
    }

    void report(long long firstPaint, int ticks, int paints) const
    {
        const double wall = (realtimeNanoseconds() - wallStart) / 1e9;
        std::printf("first-paint-realtime-ns %lld\n", firstPaint);
        std::printf("ticks-per-second %.2f\n", (ticks - ticksStart) / wall);
        std::printf("paints-per-second %.2f\n", (paints - paintsStart) / wall);
        std::printf("cpu-percent %.3f\n", 100 * (cpuSeconds() - cpuStart) / wall);
        std::printf("peak-resident-kib %ld\n", peakResidentKiB());
        std::fflush(stdout);
    }
};

} // namespace probe
