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

TEST(CurveEnvelope, NullsBreakTheLineAndSamplesBeyondTheWindowLeadIntoIt) {
    const float null = welldata::kNullValue;
    const auto rowsAndJoins = [](const std::vector<float>& depths, const std::vector<float>& values,
                                 const DepthWindow& window) {
        std::vector<std::pair<int, bool>> seen;
        for (const EnvelopeRow& row :
             CurveEnvelope::Build(depths, values, window, 0, depths.size()))
            seen.emplace_back(row.row, row.joined);
        return seen;
    };
    // One metre a row; 105 and 106 lie both below the window, in one row.
    EXPECT_EQ(rowsAndJoins({100, 101, 102, 103, 104, 105, 106}, {1, 2, null, 4, 5, 6, 7},
                           DepthWindow{101.0, 105.0, 4}),
              (std::vector<std::pair<int, bool>>{
                  {-1, false}, {0, true}, {2, false}, {3, true}, {4, true}}));
    // A null depth breaks the line too.
    EXPECT_EQ(rowsAndJoins({100, null, 102}, {1, 2, 3}, DepthWindow{100.0, 103.0, 3}),
              (std::vector<std::pair<int, bool>>{{0, false}, {2, false}}));
}

TEST(DepthIndex, FindsTheWindowAndOneSampleBeyondEachEnd) {
    const float null = welldata::kNullValue;
    struct Case {
        const char* name;
        std::vector<float> depths;
        double top, bottom;
        size_t begin, end;
    };
    const Case cases[] = {
        {"down the hole", {10, 11, 12, 13, 14, 15}, 11.5, 13.5, 1, 5},
        {"up the hole", {15, 14, 13, 12, 11, 10}, 11.5, 13.5, 1, 5},
        {"repeated depths", {10, 11, 11, 12, 12, 13}, 11.5, 12.0, 2, 6},
        {"below the log", {10, 11, 12}, 20.0, 25.0, 2, 3},
        {"back and forth", {10, 12, 11, 13}, 11.5, 12.5, 0, 4},
        {"a null depth", {10, null, 12, 13}, 12.5, 13.0, 0, 4},
    };
    for (const Case& c : cases) {
        size_t begin = 99;
        size_t end = 99;
        DepthIndex(c.depths).Range(c.top, c.bottom, begin, end);
        EXPECT_EQ(std::pair(begin, end), std::pair(c.begin, c.end)) << c.name;
    }
}
