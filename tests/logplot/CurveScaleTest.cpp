// Track scales: the usual ranges of known curve kinds in their units, the
// robust 1st to 99th percentile range of any other curve, and the fall-back
// from a usual range the values do not fit.
#include "CurveScale.h"

#include "welldata/Common.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <tuple>

namespace {

using logplot::CurveScale;

// `count` values evenly from `low` to `high`.
std::vector<float> Spread(double low, double high, int count = 1000) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i)
        values.push_back(static_cast<float>(low + (high - low) * i / (count - 1)));
    return values;
}

// The scale of a curve of `kind` in `unit` whose values spread from `low` to `high`.
CurveScale ScaleOf(const wchar_t* kind, const wchar_t* unit, double low, double high,
                   bool logarithmic = false) {
    COMMON::STRUCT_CURVE_ITEM curve;
    curve.strName = L"C";
    curve.strUnit = unit;
    curve.vecValues = Spread(low, high);
    return CurveScale::For(curve, kind, logarithmic);
}

} // namespace

TEST(CurveScale, KnownKindsGetTheirUsualRangeInTheirUnit) {
    struct Case {
        const wchar_t* kind;
        const wchar_t* unit;
        double low, high; // the values
        bool logarithmic;
        double left, right;
    };
    const Case cases[] = {
        {L"GR", L"API", 20, 120, false, 0, 150},
        {L"DEN", L"G/CM3", 2.1, 2.7, false, 1.95, 2.95},
        {L"DEN", L"KG/M3", 2100, 2700, false, 1950, 2950},
        {L"CNL", L"%", 5, 30, false, 45, -15}, // neutron and sonic run right to left
        {L"CNL", L"V/V", 0.05, 0.3, false, 0.45, -0.15},
        {L"CNL", L"", 0.05, 0.3, false, 0.45, -0.15}, // a fraction by its values
        {L"CNL", L"", 5, 30, false, 45, -15},
        {L"RT", L"OHMM", 1, 300, true, 0.2, 2000},
        {L"AC", L"US/FT", 60, 110, false, 140, 40},
        {L"AC", L"US/M", 200, 360, false, 460, 130},
        {L"CAL", L"IN", 8, 12, false, 6, 16},
        {L"CAL", L"CM", 15.5, 16, false, 15, 40}, // by its unit, though inches could hold it
    };
    for (const Case& c : cases) {
        const CurveScale scale = ScaleOf(c.kind, c.unit, c.low, c.high, c.logarithmic);
        SCOPED_TRACE(QString::fromWCharArray(c.kind).toStdString() + " in " +
                     QString::fromWCharArray(c.unit).toStdString());
        EXPECT_TRUE(scale.IsUsualRange());
        EXPECT_DOUBLE_EQ(scale.Left(), c.left);
        EXPECT_DOUBLE_EQ(scale.Right(), c.right);
        EXPECT_EQ(scale.IsLogarithmic(), c.logarithmic);
    }
}

TEST(CurveScale, AKnownKindWhoseValuesDoNotFitItsUsualRangeGetsARobustOne) {
    // A hot shale: gamma ray mostly above 150 API.
    const CurveScale hot = ScaleOf(L"GR", L"API", 100, 400);
    EXPECT_FALSE(hot.IsUsualRange());
    EXPECT_LE(hot.Left(), 103.0);
    EXPECT_GE(hot.Right(), 397.0);
    // A resistivity drawn on a linear track keeps to its values.
    const CurveScale linear = ScaleOf(L"RT", L"OHMM", 1, 300);
    EXPECT_FALSE(linear.IsUsualRange() || linear.IsLogarithmic());
}

TEST(CurveScale, NeitherOutliersNorAStretchOfBadValuesFlattenTheTrack) {
    std::vector<float> outliers = Spread(10, 90);
    outliers[500] = 1e6f;
    outliers[501] = -1e6f;
    outliers.push_back(welldata::kNullValue);
    std::vector<float> errorValues = Spread(350, 420); // 6 % at a tool's error value
    std::fill_n(errorValues.begin(), 60, -2500.0f);
    std::vector<float> sandAndShale = Spread(20, 40, 500);
    const std::vector<float> shale = Spread(110, 140, 500);
    sandAndShale.insert(sandAndShale.end(), shale.begin(), shale.end());
    // The bounds of the left and of the right edge.
    const std::tuple<const char*, std::vector<float>, double, double, double, double> cases[] = {
        {"outliers", outliers, -70, 11, 89, 170},
        {"a stretch of error values", errorValues, 100, 1e9, -1e9, 500},
        {"two real modes", sandAndShale, -1e9, 20.5, 139.5, 1e9},
    };
    for (const auto& [name, values, leftFrom, leftTo, rightFrom, rightTo] : cases) {
        const CurveScale scale = CurveScale::Robust(values, false);
        EXPECT_TRUE(scale.Left() >= leftFrom && scale.Left() <= leftTo) << name << scale.Left();
        EXPECT_TRUE(scale.Right() >= rightFrom && scale.Right() <= rightTo)
            << name << scale.Right();
    }
    // The outliers are clipped, beyond the edges.
    EXPECT_GT(CurveScale::Robust(outliers, false).Fraction(1e6), 1.0);
    EXPECT_LT(CurveScale::Robust(outliers, false).Fraction(-1e6), 0.0);
    // A curve without values, or with one value, still has a scale.
    const CurveScale empty = CurveScale::Robust({welldata::kNullValue, NAN}, false);
    EXPECT_LT(empty.Left(), empty.Right());
    const CurveScale constant = CurveScale::Robust({7, 7, 7}, false);
    EXPECT_TRUE(constant.Left() <= 7.0 && constant.Right() > 7.0);
}
