#include "CurveScale.h"

#include "LogTrackLayout.h"
#include "NiceStep.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace logplot {

namespace {

// A usual range is taken when at least this share of the values lies in it.
constexpr double kUsualRangeShare = 0.9;
constexpr double kLowPercentile = 0.01;
constexpr double kHighPercentile = 0.99;
constexpr double kFenceRanges = 3.0;
constexpr size_t kLeastValuesForFences = 20;

// The unit text in capitals without separators: "g/cm3" and "G/CM3" alike.
std::wstring UnitKey(const std::wstring& unit) {
    std::wstring key;
    for (QChar c : QString::fromStdWString(unit).toUpper()) {
        if (c.isLetterOrNumber() || c == u'%' || c == u'/')
            key += static_cast<wchar_t>(c.unicode());
    }
    return key;
}

bool IsOneOf(const std::wstring& text, std::initializer_list<const wchar_t*> texts) {
    return std::any_of(texts.begin(), texts.end(),
                       [&text](const wchar_t* one) { return text == one; });
}

// The values a scale is made from: not null, finite, and above zero on a
// logarithmic axis.
std::vector<float> PlottedValues(const std::vector<float>& values, bool logarithmic) {
    std::vector<float> plotted;
    plotted.reserve(values.size());
    for (float value : values) {
        if (!LogTrackLayout::IsNull(value) && std::isfinite(value) && (!logarithmic || value > 0))
            plotted.push_back(value);
    }
    return plotted;
}

// The value at `share` of the sorted order; reorders `values`.
double Percentile(std::vector<float>& values, double share) {
    const auto index =
        static_cast<std::ptrdiff_t>(std::lround(share * static_cast<double>(values.size() - 1)));
    std::nth_element(values.begin(), values.begin() + index, values.end());
    return values[static_cast<size_t>(index)];
}

double ShareInside(const std::vector<float>& values, double left, double right) {
    const double low = std::min(left, right);
    const double high = std::max(left, right);
    const auto inside = std::count_if(values.begin(), values.end(), [low, high](float value) {
        return value >= low && value <= high;
    });
    return static_cast<double>(inside) / static_cast<double>(values.size());
}

} // namespace

CurveScale::CurveScale(double left, double right, bool logarithmic)
    : m_left(left), m_right(right), m_logarithmic(logarithmic) {}

double CurveScale::Fraction(double value) const {
    if (m_logarithmic)
        return (std::log10(value) - std::log10(m_left)) /
               (std::log10(m_right) - std::log10(m_left));
    return (value - m_left) / (m_right - m_left);
}

bool CurveScale::UsualRange(const std::wstring& kind, const std::wstring& unit, double typical,
                            double& left, double& right, bool& logarithmic) {
    const std::wstring key = UnitKey(unit);
    logarithmic = false;
    const auto set = [&left, &right](double l, double r) {
        left = l;
        right = r;
        return true;
    };
    if (IsOneOf(kind, {L"MSFL", L"LLD", L"LLS", L"RT", L"RXO", L"RI", L"RMLL", L"ILM", L"ILD",
                       L"LL8", L"R4", L"R05", L"R045", L"R2.5", L"ML1", L"ML2"})) {
        logarithmic = true;
        return set(0.2, 2000.0);
    }
    if (IsOneOf(kind, {L"GR", L"CGR", L"GRSG"}))
        return set(0.0, 150.0);
    if (kind == L"DEN") {
        if (IsOneOf(key, {L"KG/M3", L"KGM3", L"K/M3"}) || typical > 100.0)
            return set(1950.0, 2950.0);
        return set(1.95, 2.95);
    }
    if (IsOneOf(kind, {L"CNL", L"SNP"})) {
        const bool fraction = IsOneOf(key, {L"V/V", L"VV", L"DEC", L"FRAC", L"M3/M3", L"CFCF"}) ||
                              (key != L"%" && key != L"PU" && typical < 1.0);
        return fraction ? set(0.45, -0.15) : set(45.0, -15.0);
    }
    if (kind == L"AC") {
        const bool perMetre = IsOneOf(key, {L"US/M", L"USM", L"ΜS/M", L"微秒/米"}) ||
                              (key.rfind(L"US/F", 0) != 0 && typical > 200.0);
        return perMetre ? set(460.0, 130.0) : set(140.0, 40.0);
    }
    if (kind == L"CAL") {
        if (key == L"MM" || (key != L"IN" && key != L"CM" && typical > 60.0))
            return set(150.0, 400.0);
        if (key == L"CM" || (key != L"IN" && typical > 16.0))
            return set(15.0, 40.0);
        return set(6.0, 16.0);
    }
    return false;
}

CurveScale CurveScale::Robust(const std::vector<float>& values, bool logarithmic) {
    std::vector<float> plotted = PlottedValues(values, logarithmic);
    if (plotted.empty())
        return CurveScale(logarithmic ? 1.0 : 0.0, logarithmic ? 10.0 : 1.0, logarithmic);
    if (logarithmic) {
        for (float& value : plotted)
            value = std::log10(value);
    }
    // The 1st and 99th percentiles, kept within the far fences of the middle
    // half (three interquartile ranges beyond the quartiles): a stretch of
    // bad values, more than one in a hundred, cannot flatten the track either.
    // Fences need enough values and a middle half that varies.
    double low = Percentile(plotted, kLowPercentile);
    double high = Percentile(plotted, kHighPercentile);
    const double quarter = Percentile(plotted, 0.25);
    const double threeQuarters = Percentile(plotted, 0.75);
    if (plotted.size() >= kLeastValuesForFences && threeQuarters > quarter) {
        const double fence = kFenceRanges * (threeQuarters - quarter);
        low = std::max(low, quarter - fence);
        high = std::min(high, threeQuarters + fence);
    }
    if (logarithmic) {
        const double left = std::pow(10.0, std::floor(low));
        double right = std::pow(10.0, std::ceil(high));
        if (right <= left)
            right = left * 10.0;
        return CurveScale(left, right, true);
    }
    const double step = NiceStep((high - low) / 5.0);
    const double left = std::floor(low / step) * step;
    double right = std::ceil(high / step) * step;
    if (right <= left)
        right = left + step;
    return CurveScale(left, right, false);
}

CurveScale CurveScale::For(const COMMON::STRUCT_CURVE_ITEM& curve, const std::wstring& kind,
                           bool logarithmic) {
    std::vector<float> plotted = PlottedValues(curve.vecValues, false);
    if (!plotted.empty()) {
        const double typical = Percentile(plotted, 0.5);
        double left = 0.0;
        double right = 0.0;
        bool usualLogarithmic = false;
        if (UsualRange(kind, curve.strUnit, typical, left, right, usualLogarithmic) &&
            usualLogarithmic == logarithmic &&
            ShareInside(plotted, left, right) >= kUsualRangeShare) {
            CurveScale scale(left, right, logarithmic);
            scale.m_usual = true;
            return scale;
        }
    }
    return Robust(curve.vecValues, logarithmic);
}

} // namespace logplot
