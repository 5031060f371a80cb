#include "BenchFigure.h"

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ChildReport {
    bool ok;
    WorkRun run;
};

} // namespace

FigureResult BenchFigure::Run(int repeat) const {
    FigureResult best;
    for (int i = 0; i < std::max(repeat, 1); ++i) {
        FigureResult one;
        if (!RunOnce(one))
            return FigureResult();
        best.ok = one.ok;
        best.seconds = i == 0 ? one.seconds : std::min(best.seconds, one.seconds);
        best.peakKiB = std::max(best.peakKiB, one.peakKiB);
        best.recordsBytes = one.recordsBytes;
    }
    return best;
}

bool BenchFigure::RunOnce(FigureResult& result) const {
    int channel[2];
    if (pipe(channel) != 0)
        return false;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        close(channel[0]);
        ChildReport report{false, {}};
        report.ok = m_work(report.run);
        const bool written = write(channel[1], &report, sizeof report) == sizeof report;
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    ChildReport report{false, {}};
    const bool received = read(channel[0], &report, sizeof report) == sizeof report;
    close(channel[0]);
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0 || !received)
        return false;
    result.ok = report.ok;
    result.seconds = report.run.seconds;
    result.recordsBytes = report.run.recordsBytes;
    result.peakKiB = usage.ru_maxrss;
    return true;
}
