// The min/max-per-pixel thinning of a curve: every sample of a window is in
// exactly one row, each row's extremes hold its samples, a one-sample spike
// survives at any zoom, nulls break the line, and the depth index finds the
// window's samples in logs that run down, up or back and forth.
#include "CurveEnvelope.h"

#include "welldata/Common.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

using logplot::CurveEnvelope;
using logplot::DepthIndex;
using logplot::DepthWindow;
using logplot::EnvelopeRow;

constexpr float kNull = welldata::kNullValue;

std::vector<float> Depths(size_t count, double top, double step) {
    std::vector<float> depths(count);
    for (size_t i = 0; i < count; ++i)
        depths[i] = static_cast<float>(top + step * static_cast<double>(i));
    return depths;
}

// A wavy curve with values between 40 and 60.
std::vector<float> Wave(size_t count) {
    std::vector<float> values(count);
    for (size_t i = 0; i < count; ++i)
        values[i] = static_cast<float>(50.0 + 10.0 * std::sin(static_cast<double>(i) * 0.01));
    return values;
}

std::vector<EnvelopeRow> Envelope(const std::vector<float>& depths,
                                  const std::vector<float>& values, const DepthWindow& window) {
    size_t begin = 0;
    size_t end = 0;
    DepthIndex(depths).Range(window.top, window.bottom, begin, end);
    return CurveEnvelope::Build(depths, values, window, begin, end);
}

float HighestInWindow(const std::vector<EnvelopeRow>& rows, const DepthWindow& window) {
    float highest = -HUGE_VALF;
    for (const EnvelopeRow& row : rows) {
        if (row.row >= 0 && row.row < window.rows)
            highest = std::max(highest, row.high);
    }
    return highest;
}

} // namespace

TEST(CurveEnvelope, AOneSampleSpikeSurvivesAtAnyZoom) {
    const size_t count = 1'000'000;
    const std::vector<float> depths = Depths(count, 1000.0, 0.001);
    std::vector<float> values = Wave(count);
    const size_t spike = 654'321;
    values[spike] = 900.0f;
    const double spikeDepth = depths[spike];
    for (int rows : {1, 7, 100, 1000, 4000}) {
        for (double span : {1000.0, 100.0, 1.0, 0.01}) {
            const DepthWindow window{spikeDepth - span / 3, spikeDepth + span * 2 / 3, rows};
            EXPECT_EQ(HighestInWindow(Envelope(depths, values, window), window), 900.0f)
                << rows << " rows over " << span << " m";
        }
    }
}

TEST(CurveEnvelope, EverySampleOfTheWindowIsInOneRowBetweenItsExtremes) {
    const size_t count = 5000;
    const std::vector<float> depths = Depths(count, 2000.0, 0.1);
    std::vector<float> values = Wave(count);
    values[10] = kNull;
    values[11] = NAN;
    for (int rows : {3, 50, 499, 5000, 20000}) {
        const DepthWindow window{2100.0, 2400.0, rows};
        const std::vector<EnvelopeRow> envelope = Envelope(depths, values, window);
        size_t inside = 0;
        for (const EnvelopeRow& row : envelope) {
            if (row.row >= 0 && row.row < rows)
                inside += row.samples;
            EXPECT_LE(row.low, std::min(row.first, row.last));
            EXPECT_GE(row.high, std::max(row.first, row.last));
        }
        size_t expected = 0;
        for (size_t i = 0; i < count; ++i) {
            const int row = window.RowOf(depths[i]);
            if (row < 0 || row >= rows)
                continue;
            ++expected;
            // The row that holds sample i spans its value.
            const auto holder =
                std::find_if(envelope.begin(), envelope.end(), [&](const EnvelopeRow& r) {
                    return r.row == row && depths[i] >= r.firstDepth && depths[i] <= r.lastDepth;
                });
            ASSERT_NE(holder, envelope.end()) << "sample " << i << " lost at " << rows << " rows";
            EXPECT_GE(values[i], holder->low);
            EXPECT_LE(values[i], holder->high);
        }
        EXPECT_EQ(inside, expected) << rows << " rows";
    }
}

TEST(CurveEnvelope, NullsBreakTheLineAndSamplesBeyondTheWindowLeadIntoIt) {
    const std::vector<float> depths{100, 101, 102, 103, 104, 105, 106};
    const std::vector<float> values{1, 2, kNull, 4, 5, 6, 7};
    const DepthWindow window{101.0, 105.0, 4}; // one metre a row
    const std::vector<EnvelopeRow> rows = CurveEnvelope::Build(depths, values, window, 0, 7);
    std::vector<int> rowOf;
    std::vector<bool> joined;
    for (const EnvelopeRow& row : rows) {
        rowOf.push_back(row.row);
        joined.push_back(row.joined);
    }
    // 105 and 106 lie both below the window, in one row.
    EXPECT_EQ(rowOf, (std::vector<int>{-1, 0, 2, 3, 4}));
    EXPECT_EQ(joined, (std::vector<bool>{false, true, false, true, true}));
    // A null depth breaks the line too.
    const std::vector<float> holed{100, kNull, 102};
    const std::vector<EnvelopeRow> broken =
        CurveEnvelope::Build(holed, {1, 2, 3}, DepthWindow{100.0, 103.0, 3}, 0, 3);
    ASSERT_EQ(broken.size(), 2u);
    EXPECT_FALSE(broken[1].joined);
}

TEST(DepthIndex, FindsTheWindowAndOneSampleBeyondEachEnd) {
    struct Case {
        const char* name;
        std::vector<float> depths;
        double top, bottom;
        size_t begin, end;
    };
    const Case cases[] = {
        {"down the hole", {10, 11, 12, 13, 14, 15}, 11.5, 13.5, 1, 5},
        {"exact ends", {10, 11, 12, 13, 14, 15}, 11.0, 13.0, 0, 5},
        {"up the hole", {15, 14, 13, 12, 11, 10}, 11.5, 13.5, 1, 5},
        {"repeated depths", {10, 11, 11, 12, 12, 13}, 11.5, 12.0, 2, 6},
        {"above the log", {10, 11, 12}, 0.0, 5.0, 0, 1},
        {"below the log", {10, 11, 12}, 20.0, 25.0, 2, 3},
        {"back and forth", {10, 12, 11, 13}, 11.5, 12.5, 0, 4},
        {"a null depth", {10, kNull, 12, 13}, 12.5, 13.0, 0, 4},
    };
    for (const Case& c : cases) {
        size_t begin = 99;
        size_t end = 99;
        DepthIndex(c.depths).Range(c.top, c.bottom, begin, end);
        EXPECT_EQ(begin, c.begin) << c.name;
        EXPECT_EQ(end, c.end) << c.name;
    }
}
