#include "interface/LasUnits.h"

#include "loaders/CurveKind.h"
#include "reader/CLasSectionTable.h"
#include "welldata/UnitQuestion.h"

namespace welldata {

void SettleLasUnits(const CLasSectionTable* sections, const std::wstring& path, bool& settled,
                    COMMON::ENUM_COOR_UNIT& coorUnit, COMMON::ENUM_COOR_UNIT& depthUnit) {
    const CLasSection* curves = sections != nullptr ? sections->FindSection(L"~C") : nullptr;
    if (curves != nullptr)
        ReadLasCurveUnits(*curves, depthUnit, coorUnit);
    if (coorUnit == COMMON::COOR_UNIT_M && depthUnit == COMMON::COOR_UNIT_M)
        return;
    UnitAnswer answer;
    answer.coorUnit = coorUnit;
    answer.depthUnit = depthUnit;
    if (AskUnitQuestion(path, answer)) {
        settled = answer.dontAskAgain;
        coorUnit = answer.coorUnit;
        depthUnit = answer.depthUnit;
    }
}

} // namespace welldata
