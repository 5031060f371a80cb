// The min/max-per-pixel thinning of a curve: every sample of a window is in
// one row and a one-sample spike survives at any zoom.
#include "CurveEnvelope.h"

#include "welldata/Common.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using logplot::CurveEnvelope;
using logplot::DepthIndex;
using logplot::DepthWindow;
using logplot::EnvelopeRow;

std::vector<EnvelopeRow> Envelope(const std::vector<float>& depths,
                                  const std::vector<float>& values, const DepthWindow& window) {
    size_t begin = 0;
    size_t end = 0;
    DepthIndex(depths).Range(window.top, window.bottom, begin, end);
    return CurveEnvelope::Build(depths, values, window, begin, end);
}

} // namespace

TEST(CurveEnvelope, EverySampleIsInOneRowAndAOneSampleSpikeSurvivesAtAnyZoom) {
    // A millimetre log of a wave between 40 and 60.
    std::vector<float> depths(1'000'000);
    std::vector<float> values(depths.size());
    for (size_t i = 0; i < depths.size(); ++i) {
        depths[i] = static_cast<float>(1000.0 + 0.001 * static_cast<double>(i));
        values[i] = static_cast<float>(50.0 + 10.0 * std::sin(static_cast<double>(i) * 0.01));
    }
    const size_t spike = 654'321;
    values[spike] = 900.0f;
    for (int rows : {1, 7, 4000}) {
        for (double span : {1000.0, 1.0, 0.01}) {
            const DepthWindow window{depths[spike] - span / 3, depths[spike] + span * 2 / 3, rows};
            float highest = -HUGE_VALF;
            size_t inside = 0;
            for (const EnvelopeRow& row : Envelope(depths, values, window)) {
                if (row.row >= 0 && row.row < rows) {
                    highest = std::max(highest, row.high);
                    inside += row.samples;
                }
                EXPECT_LE(row.low, std::min(row.first, row.last));
                EXPECT_GE(row.high, std::max(row.first, row.last));
            }
            size_t expected = 0;
            for (float depth : depths)
                expected += window.RowOf(depth) >= 0 && window.RowOf(depth) < rows ? 1 : 0;
            EXPECT_EQ(highest, 900.0f) << rows << " rows over " << span << " m";
            EXPECT_EQ(inside, expected) << rows << " rows over " << span << " m";
        }
    }
}
