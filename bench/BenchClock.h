#pragma once

#include <QElapsedTimer>
#include <ctime>
#include <functional>
#include <sys/resource.h>

// Shared by the benchmarks: the machine is shared, so each figure comes with the CPU time
// that shows the work itself beside the wall-clock time.
namespace BenchClock {

inline double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Timing {
    double wall;
    double cpu;
};

inline Timing timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    const double cpuStart = cpuMilliseconds();
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e6, cpuMilliseconds() - cpuStart};
}

inline long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace BenchClock
