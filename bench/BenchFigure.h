// Times one piece of work in a child process of its own, so that its peak
// resident memory is measured alone and nothing it leaves behind slows the next.
#pragma once

#include <functional>
#include <string>

// What one run of a piece of work tells about itself.
struct WorkRun {
    double seconds = 0;         // the time of what is timed
    long long recordsBytes = 0; // heap the results hold when the work is done
};

struct FigureResult {
    bool ok = false;
    double seconds = 0;         // fastest run
    long peakKiB = 0;           // largest peak resident set of the runs
    long long recordsBytes = 0; // the results' heap, of the last run
};

class BenchFigure {
public:
    // `work` runs in the child; it times only what it reports in `run` and
    // returns whether the work succeeded.
    using Work = std::function<bool(WorkRun& run)>;

    BenchFigure(std::string name, Work work) : m_name(std::move(name)), m_work(std::move(work)) {}

    const std::string& Name() const { return m_name; }
    FigureResult Run(int repeat) const;

private:
    bool RunOnce(FigureResult& result) const;

    std::string m_name;
    Work m_work;
};
