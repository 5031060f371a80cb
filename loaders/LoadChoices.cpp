// The rules over the import dialogs' choices that every host needs.
#include "welldata/LoadChoices.h"

#include "loaders/CurveUnitNormalizer.h"

#include <algorithm>

namespace welldata {

std::vector<PathColumn> RequiredPathColumns(std::int32_t dataType) {
    switch (dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        return {PathColumn::Md, PathColumn::Incl, PathColumn::Azim};
    case PATH_TVD_DX_DY:
        return {PathColumn::Md, PathColumn::Tvd, PathColumn::Dx, PathColumn::Dy};
    case PATH_TVD_X_Y:
        return {PathColumn::Md, PathColumn::Tvd, PathColumn::X, PathColumn::Y};
    case PATH_X_Y_Z:
        return {PathColumn::X, PathColumn::Y, PathColumn::Z};
    default:
        return {};
    }
}

bool IsAssignmentComplete(const PathColumnAssignment& assignment) {
    const std::vector<PathColumn> required = RequiredPathColumns(assignment.dataType);
    return !required.empty() &&
           std::all_of(required.begin(), required.end(),
                       [&](PathColumn column) { return assignment.Column(column) > 0; });
}

const wchar_t* PathAssignmentProblem(const PathColumnAssignment& assignment) {
    return IsAssignmentComplete(assignment) ? nullptr
                                            : L"井轨迹数据不完整，请重新选择或校正数据文件。";
}

int CountDepthCurves(const std::list<COMMON::STRUCT_CURVE_ITEM>& curves) {
    return CurveUnitNormalizer::CountDepthCurves(curves);
}

const wchar_t* DepthCurveProblem(int depthCurves) {
    return CurveUnitNormalizer::DepthCurveProblem(depthCurves);
}

void NormalizeCurveUnits(std::list<COMMON::STRUCT_CURVE_ITEM>& curves, LogImport import) {
    CurveUnitNormalizer(import).Normalize(curves);
}

const wchar_t* WellHeadChoicesProblem(const WellHeadChoices& choices) {
    if (choices.nameColumn < 0)
        return L"请指定井名称。";
    if (choices.xColumn < 0)
        return L"请指定井的X坐标。";
    if (choices.yColumn < 0)
        return L"请指定井的Y坐标。";
    return nullptr;
}

} // namespace welldata
