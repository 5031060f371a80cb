#include "loaders/CurveKind.h"

#include "interface/CoorUnit.h"
#include "platform/WideText.h"
#include "reader/CLasSectionTable.h"

namespace welldata {

bool IsDepthCurveType(const std::wstring& type) {
    return EqualsNoCase(type, L"DEPTH") || EqualsNoCase(type, L"Z") || EqualsNoCase(type, L"MD") ||
           ContainsNoCase(type, L"TVD");
}

bool IsCoordinateCurveType(const std::wstring& type) {
    return EqualsNoCase(type, L"X") || EqualsNoCase(type, L"Y") || EqualsNoCase(type, L"DX") ||
           EqualsNoCase(type, L"DY");
}

std::wstring LasCurveName(const std::wstring& mnemonic) {
    std::wstring name = ToUpper(TrimRight(mnemonic, L" "));
    return name == L"DEPT" ? std::wstring(L"DEPTH") : name;
}

void ReadLasCurveUnits(const CLasSection& curveSection, COMMON::ENUM_COOR_UNIT& depthUnit,
                       COMMON::ENUM_COOR_UNIT& coorUnit) {
    for (const CLasItem& item : curveSection.items) {
        const std::wstring name = LasCurveName(item.strMnemonic);
        const std::wstring unit = TrimRight(item.strUnit, L" ");
        if (IsDepthCurveType(name))
            depthUnit = CoorUnitFromText(unit);
        else if (IsCoordinateCurveType(name))
            coorUnit = CoorUnitFromText(unit);
    }
}

} // namespace welldata
