#include "settings/CurveTable.h"

#include "settings/WellAttributeId.h"

namespace {

const wchar_t* const kNoUnits[] = {L""};
const wchar_t* const kLengthUnits[] = {L"m",    L"dm",   L"cm",   L"in",   L"ft", L"米",
                                       L"分米", L"厘米", L"英寸", L"英尺", L""};
const wchar_t* const kCaliperUnits[] = {L"in", L"cm", L"英寸", L"厘米", L""};
const wchar_t* const kSlownessUnits[] = {L"\u03BCs/m", L"\u03BCs/ft", L"微秒/米", L""};
const wchar_t* const kGammaUnits[] = {L"API", L"GAPI", L"微伦琴/小时", L""};
const wchar_t* const kPotentialUnits[] = {L"MV", L"毫伏", L""};
const wchar_t* const kPercentUnits[] = {L"%", L""};
const wchar_t* const kDensityUnits[] = {L"g/cm^3", L"克/立方厘米", L""};
const wchar_t* const kConductivityUnits[] = {L"毫姆欧/米", L""};
const wchar_t* const kResistivityUnits[] = {L"\u03A9\u00B7M", L"ohm.m", L"欧姆\u00B7米", L""};

} // namespace

const CurveDefinition CurveTable[] = {
    {17, L"DEPTH", kLengthUnits},
    {18, L"TVD", kLengthUnits},
    {19, L"CAL", kCaliperUnits},
    {20, L"AC", kSlownessUnits},
    {21, L"GR", kGammaUnits},
    {22, L"NGS", kNoUnits},
    {23, L"SP", kPotentialUnits},
    {24, L"CNL", kPercentUnits},
    {25, L"DEN", kDensityUnits},
    {26, L"COND", kConductivityUnits},
    {27, L"MSFL", kResistivityUnits},
    {28, L"LLD", kResistivityUnits},
    {29, L"LLS", kResistivityUnits},
    {30, L"RT", kResistivityUnits},
    {31, L"RXO", kResistivityUnits},
    {32, L"RI", kResistivityUnits},
    {33, L"RMLL", kResistivityUnits},
    {34, L"ILM", kResistivityUnits},
    {35, L"ILD", kResistivityUnits},
    {36, L"SNP", kPercentUnits},
    {37, L"R4", kResistivityUnits},
    {38, L"R05", kResistivityUnits},
    {39, L"R045", kResistivityUnits},
    {40, L"CGR", kGammaUnits},
    {41, L"GRSG", kGammaUnits},
    {42, L"LL8", kResistivityUnits},
    {43, L"NLL", kNoUnits},
    {44, L"ML1", kNoUnits},
    {45, L"ML2", kNoUnits},
    {46, L"R2.5", kNoUnits},
    {47, L"SH", kNoUnits},
    {48, L"SWO", kNoUnits},
    {49, L"POR", kNoUnits},
    {50, L"PERM", kNoUnits},
    {51, L"COAF", kNoUnits},
    {52, L"SAND", kNoUnits},
    {53, L"LIME", kNoUnits},
    {54, L"CLD", kNoUnits},
    {0, L"", nullptr},
};

static_assert(sizeof(CurveTable) / sizeof(CurveTable[0]) == kCurveTableRows + 1);

const CurveDefinition* FindCurveDefinition(std::uint32_t id) {
    for (const CurveDefinition* row = CurveTable; row->id != 0; ++row) {
        if (row->id == id)
            return row;
    }
    return nullptr;
}

const wchar_t* GetCurveMnemonic(std::uint32_t id) {
    const CurveDefinition* row = FindCurveDefinition(id);
    return row != nullptr ? row->mnemonic : nullptr;
}

bool GetDefaultCurveUnit(std::uint32_t id, std::wstring& unit) {
    unit.clear();
    if (id < WAI_FIRST_CURVE || id > WAI_LAST_CURVE_WITH_UNIT)
        return false;
    const CurveDefinition* row = FindCurveDefinition(id);
    if (row == nullptr)
        return false;
    unit = row->units[0];
    return true;
}
