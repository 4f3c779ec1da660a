#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <vector>

// Shared by the benchmarks: the machine is shared, so each figure comes with the CPU time
// that shows the work itself beside the wall-clock time.
namespace BenchClock {

inline double cpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Timing {
    double wall;
    double cpu;
};

inline Timing timed(const std::function<void()> &work) {
    QElapsedTimer timer;
    const double cpuStart = cpuMilliseconds();
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e6, cpuMilliseconds() - cpuStart};
}

// The middle of several runs, so one run slowed by another process on the machine does not
// make the figure.
inline Timing median(std::vector<Timing> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const Timing &a, const Timing &b) { return a.wall < b.wall; });
    return runs.at(runs.size() / 2);
}

inline long peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Runs this program again with other arguments, so a memory figure stands alone; its output
// goes where ours goes. True when it succeeded.
inline bool runSelf(const QStringList &arguments) {
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start(QCoreApplication::applicationFilePath(), arguments);
    run.waitForFinished(-1);
    return run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

} // namespace BenchClock
