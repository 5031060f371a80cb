#include "loaders/CurveUnitNormalizer.h"

#include "platform/Translation.h"
#include "platform/WideText.h"
#include "settings/WellAttributeLookup.h"

#include <algorithm>

namespace {

struct UnitReplacement {
    const wchar_t* from;
    const wchar_t* to;
    bool multiWellOnly;
};

// Compared exactly, first match wins.
constexpr UnitReplacement kUnitReplacements[] = {
    {L"欧姆·米", L"Ω·M", false}, {L"厘米", L"cm", false},    {L"米", L"m", false},
    {L"英尺", L"ft", true},      {L"英寸", L"in", true},     {L"微秒/米", L"DS/FT", false},
    {L"毫伏", L"mv", false},     {L"微伦琴", L"api", false},
};

bool IsOhmMetre(const std::wstring& unit) {
    return welldata::EqualsNoCase(unit, L"欧姆·米") || welldata::EqualsNoCase(unit, L"Ω·M");
}

} // namespace

void CurveUnitNormalizer::Normalize(std::list<COMMON::STRUCT_CURVE_ITEM>& curves) const {
    WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
    for (COMMON::STRUCT_CURVE_ITEM& curve : curves) {
        curve.bLogarithmic = IsOhmMetre(curve.strUnit);
        curve.strDisplayName.clear();
        WellAttributeEntry entry;
        if (lookup.GetEntry(curve.strType.c_str(), entry) >= 2)
            curve.strDisplayName = entry.aliases[1];
        if (const wchar_t* unit = ReplacementUnit(curve.strUnit))
            curve.strUnit = unit;
    }
}

const wchar_t* CurveUnitNormalizer::ReplacementUnit(const std::wstring& unit) const {
    for (const UnitReplacement& replacement : kUnitReplacements) {
        if (replacement.multiWellOnly && m_dialog != Dialog::MultiWell)
            continue;
        if (unit == replacement.from)
            return replacement.to;
    }
    return nullptr;
}

bool CurveUnitNormalizer::IsDepthCurve(const COMMON::STRUCT_CURVE_ITEM& curve) {
    return welldata::EqualsNoCase(curve.strType, L"depth");
}

int CurveUnitNormalizer::CountDepthCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>& curves) {
    return static_cast<int>(std::count_if(curves.begin(), curves.end(), IsDepthCurve));
}

const wchar_t* CurveUnitNormalizer::DepthCurveProblem(int depthCurves) {
    if (depthCurves == 0)
        return welldata::TranslatedText(WELLDATA_CATALOGUE_TEXT(
            "CurveUnitNormalizer", "添加井曲线时,必须有深度,请确认之后重试。"));
    if (depthCurves > 1)
        return welldata::TranslatedText(WELLDATA_CATALOGUE_TEXT(
            "CurveUnitNormalizer", "添加井曲线时,有且仅有一个深度道,请确认之后重试。"));
    return nullptr;
}
