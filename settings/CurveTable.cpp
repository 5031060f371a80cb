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
    {17, L"DEPTH", kLengthUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "深度")},
    {18, L"TVD", kLengthUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "垂深")},
    {19, L"CAL", kCaliperUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "井径")},
    {20, L"AC", kSlownessUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "声波时差")},
    {21, L"GR", kGammaUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "自然伽马")},
    {22, L"NGS", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "自然伽马能谱")},
    {23, L"SP", kPotentialUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "自然电位")},
    {24, L"CNL", kPercentUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "补偿中子")},
    {25, L"DEN", kDensityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "补偿密度")},
    {26, L"COND", kConductivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "电导率")},
    {27, L"MSFL", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "微球形聚焦")},
    {28, L"LLD", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "深侧向")},
    {29, L"LLS", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "浅侧向")},
    {30, L"RT", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "地层电阻率")},
    {31, L"RXO", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "冲洗带电阻率")},
    {32, L"RI", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "侵入带电阻率")},
    {33, L"RMLL", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "微侧向")},
    {34, L"ILM", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "中感应")},
    {35, L"ILD", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "深感应")},
    {36, L"SNP", kPercentUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "井壁中子")},
    {37, L"R4", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "4米梯度")},
    {38, L"R05", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "0.5米电位")},
    {39, L"R045", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "0.45米电位")},
    {40, L"CGR", kGammaUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "无铀伽马")},
    {41, L"GRSG", kGammaUnits, {}},
    {42, L"LL8", kResistivityUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "八侧向")},
    {43, L"NLL", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "中子寿命")},
    {44, L"ML1", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "微梯度")},
    {45, L"ML2", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "微电位")},
    {46, L"R2.5", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "2.5米梯度")},
    {47, L"SH", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "泥质含量")},
    {48, L"SWO", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "含水饱和度")},
    {49, L"POR", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "孔隙度")},
    {50, L"PERM", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "渗透率")},
    {51, L"COAF", kNoUnits, {}},
    {52, L"SAND", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "砂岩含量")},
    {53, L"LIME", kNoUnits, WELLDATA_CATALOGUE_TEXT("CurveTable", "灰岩含量")},
    {54, L"CLD", kNoUnits, {}},
    {0, L"", nullptr, {}},
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
