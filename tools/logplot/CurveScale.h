// The scale of one curve across its track: the value at the left edge and the
// value at the right edge, linear or logarithmic. Known curve kinds get the
// ranges log analysts are used to (gamma ray 0 to 150 API, density 1.95 to
// 2.95 g/cm3, neutron porosity 45 to -15 %, sonic 140 to 40 us/ft, resistivity
// 0.2 to 2000 ohm.m on a log scale) when the curve's values mostly lie inside
// them; any other curve gets the 1st to 99th percentile of its values (within
// the far fences of its middle half), so that outliers cannot flatten the
// track. Values beyond the edges are clipped.
#pragma once

#include "welldata/Common.h"

#include <string>
#include <vector>

namespace logplot {

class CurveScale {
public:
    // The scale of `curve`, of the curve table kind `kind` ("GR", "DEN"; empty
    // when not known), on a logarithmic axis when `logarithmic`.
    static CurveScale For(const COMMON::STRUCT_CURVE_ITEM& curve, const std::wstring& kind,
                          bool logarithmic);
    // The 1st to 99th percentile of `values` (nulls left out), no further than
    // three interquartile ranges beyond the quartiles, widened to round
    // numbers (to whole decades on a logarithmic axis).
    static CurveScale Robust(const std::vector<float>& values, bool logarithmic);
    // The usual range of a curve kind in the unit `unit`; false when the kind
    // has none. `typical` (a middle value of the curve) settles a unit the
    // text leaves open, such as a neutron porosity in percent or as a fraction.
    static bool UsualRange(const std::wstring& kind, const std::wstring& unit, double typical,
                           double& left, double& right, bool& logarithmic);

    CurveScale() = default;
    CurveScale(double left, double right, bool logarithmic);

    double Left() const { return m_left; }
    double Right() const { return m_right; }
    bool IsLogarithmic() const { return m_logarithmic; }
    // Whether the range is the usual one of the curve's kind.
    bool IsUsualRange() const { return m_usual; }

    // Whether a value has a place on the axis (a logarithmic axis has none
    // for zero and below).
    bool Covers(double value) const { return !m_logarithmic || value > 0.0; }
    // Where `value` lies: 0 at the left edge, 1 at the right edge, outside
    // [0, 1] for a clipped value.
    double Fraction(double value) const;

private:
    double m_left = 0.0;
    double m_right = 1.0;
    bool m_logarithmic = false;
    bool m_usual = false;
};

} // namespace logplot
