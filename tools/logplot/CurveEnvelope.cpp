#include "CurveEnvelope.h"

#include "LogTrackLayout.h"

#include <algorithm>
#include <cmath>

namespace logplot {

namespace {

bool IsPlotted(float value) {
    return !LogTrackLayout::IsNull(value) && std::isfinite(value);
}

int Direction(const std::vector<float>& depths) {
    int direction = 0;
    for (size_t i = 0; i < depths.size(); ++i) {
        if (!IsPlotted(depths[i]))
            return 0;
        if (i == 0 || depths[i] == depths[i - 1])
            continue;
        const int step = depths[i] > depths[i - 1] ? 1 : -1;
        if (direction != 0 && step != direction)
            return 0;
        direction = step;
    }
    return direction == 0 ? 1 : direction;
}

} // namespace

int DepthWindow::RowOf(double depth) const {
    const double row = std::floor((depth - top) / (bottom - top) * rows);
    if (row < 0.0)
        return -1;
    if (row >= rows)
        return rows;
    return static_cast<int>(row);
}

DepthIndex::DepthIndex(const std::vector<float>& depths)
    : m_depths(depths), m_direction(Direction(depths)) {}

void DepthIndex::Range(double top, double bottom, size_t& begin, size_t& end) const {
    begin = 0;
    end = m_depths.size();
    if (m_direction == 0 || m_depths.empty())
        return;
    // In sample order, the window's first and last depth.
    const double from = m_direction > 0 ? top : bottom;
    const double to = m_direction > 0 ? bottom : top;
    const auto before = [this](float depth, double limit) {
        return m_direction > 0 ? depth < limit : depth > limit;
    };
    const auto first =
        std::lower_bound(m_depths.begin(), m_depths.end(), from,
                         [&before](float depth, double limit) { return before(depth, limit); });
    const auto last =
        std::lower_bound(first, m_depths.end(), to, [&before](float depth, double limit) {
            return before(depth, limit) || depth == limit;
        });
    begin = static_cast<size_t>(first - m_depths.begin());
    end = static_cast<size_t>(last - m_depths.begin());
    begin = begin > 0 ? begin - 1 : 0;
    end = std::min(end + 1, m_depths.size());
}

std::vector<EnvelopeRow> CurveEnvelope::Build(const std::vector<float>& depths,
                                              const std::vector<float>& values,
                                              const DepthWindow& window, size_t begin, size_t end) {
    std::vector<EnvelopeRow> rows;
    end = std::min({end, depths.size(), values.size()});
    bool lineOpen = false;
    for (size_t i = begin; i < end; ++i) {
        const float value = values[i];
        if (!IsPlotted(value) || !IsPlotted(depths[i])) {
            lineOpen = false;
            continue;
        }
        const int row = window.RowOf(depths[i]);
        if (lineOpen && rows.back().row == row) {
            EnvelopeRow& current = rows.back();
            current.low = std::min(current.low, value);
            current.high = std::max(current.high, value);
            current.last = value;
            current.lastDepth = depths[i];
            ++current.samples;
            continue;
        }
        rows.push_back({row, value, value, value, value, depths[i], depths[i], 1, lineOpen});
        lineOpen = true;
    }
    return rows;
}

} // namespace logplot
