// The last steps of the log import dialogs over the chosen curves: the curve's
// display name from the settings file, the logarithmic flag of ohm-metre
// curves, the unit texts rewritten to the system's own, and the check that
// exactly one curve is the depth.
#pragma once

#include "welldata/Common.h"
#include "welldata/LoadChoices.h"

#include <list>

class CurveUnitNormalizer {
public:
    // The single well and multi-well dialogs rewrite slightly different units.
    using Dialog = welldata::LogImport;

    explicit CurveUnitNormalizer(Dialog dialog) : m_dialog(dialog) {}

    // Rewrites `bLogarithmic`, `strDisplayName` and `strUnit` of every curve.
    void Normalize(std::list<COMMON::STRUCT_CURVE_ITEM>& curves) const;

    static bool IsDepthCurve(const COMMON::STRUCT_CURVE_ITEM& curve);
    // Curves whose type is "depth" in any letter case.
    static int CountDepthCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>& curves);
    // The dialogs' message for a curve list with `depthCurves` depth curves;
    // null when there is exactly one.
    static const wchar_t* DepthCurveProblem(int depthCurves);

private:
    const wchar_t* ReplacementUnit(const std::wstring& unit) const;

    Dialog m_dialog;
};
