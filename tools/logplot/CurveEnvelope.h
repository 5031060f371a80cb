// A curve thinned to what a screen can show: for every pixel row of a depth
// window, the first, lowest, highest and last value of the samples that fall
// in it. Drawing first -> lowest -> highest -> last per row, and joining the
// rows, shows every sample's value: a one-sample spike survives at any zoom,
// and a log of millions of samples costs four points per pixel row.
#pragma once

#include <cstddef>
#include <vector>

namespace logplot {

// The depths of a window and the pixel rows they are spread over.
struct DepthWindow {
    double top = 0.0;
    double bottom = 1.0;
    int rows = 1;

    // The row `depth` falls in: floor((depth - top) / (bottom - top) * rows),
    // -1 above the window and `rows` below it.
    int RowOf(double depth) const;
};

struct EnvelopeRow {
    int row = 0; // the pixel row, -1 or DepthWindow::rows for a sample outside
    float first = 0.0f;
    float low = 0.0f;
    float high = 0.0f;
    float last = 0.0f;
    float firstDepth = 0.0f; // the depths of the first and the last sample
    float lastDepth = 0.0f;
    std::size_t samples = 0;
    bool joined = false; // a line comes in from the previous row (no null between)
};

// Which samples of a depth curve a window needs: the samples inside it and
// one beyond each end, so that the lines reach the window's edges. Found by
// bisection when the depths run one way (up or down) without nulls; all
// samples otherwise.
class DepthIndex {
public:
    explicit DepthIndex(const std::vector<float>& depths);

    bool IsMonotonic() const { return m_direction != 0; }
    // The samples [begin, end) to look at for the depths top to bottom.
    void Range(double top, double bottom, std::size_t& begin, std::size_t& end) const;

private:
    const std::vector<float>& m_depths;
    int m_direction = 0; // +1 depths grow, -1 they fall, 0 neither
};

class CurveEnvelope {
public:
    // The rows of samples [begin, end), in sample order: a new entry starts
    // where the row changes, a null value or depth ends a line. Samples beyond
    // the window are kept (in row -1 or `rows`) so that lines run to the edge.
    static std::vector<EnvelopeRow> Build(const std::vector<float>& depths,
                                          const std::vector<float>& values,
                                          const DepthWindow& window, std::size_t begin,
                                          std::size_t end);
};

} // namespace logplot
