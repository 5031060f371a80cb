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

std::vector<PathColumn> PathPointColumns(std::int32_t dataType, bool withMd) {
    std::vector<PathColumn> columns = RequiredPathColumns(dataType);
    const bool ownMd = dataType == PATH_MD_INCL_AZIM || dataType == PATH_LOG_MD_INCL_AZIM;
    if (!ownMd && !columns.empty() && columns.front() == PathColumn::Md)
        columns.erase(columns.begin());
    if (!ownMd && !columns.empty() && withMd)
        columns.insert(columns.begin(), PathColumn::Md);
    return columns;
}

bool IsDoublePathColumn(std::int32_t dataType, PathColumn column) {
    return (dataType == PATH_TVD_X_Y || dataType == PATH_X_Y_Z) &&
           (column == PathColumn::X || column == PathColumn::Y);
}

double PathPointValue(const COMMON::STRUCT_WELL_PATH_POINT& point, std::int32_t dataType,
                      PathColumn column) {
    const std::vector<PathColumn> held = PathPointColumns(dataType, true);
    if (std::find(held.begin(), held.end(), column) == held.end())
        return 0.0;
    switch (column) {
    case PathColumn::Md:
        return point.fMD;
    case PathColumn::Incl:
    case PathColumn::Tvd:
    case PathColumn::Z:
        return point.fInclOrDepth;
    case PathColumn::Azim:
    case PathColumn::Dx:
    case PathColumn::X:
        return IsDoublePathColumn(dataType, column) ? point.uAzimOrX.dValue : point.uAzimOrX.fValue;
    case PathColumn::Dy:
    case PathColumn::Y:
        return IsDoublePathColumn(dataType, column) ? point.uY.dValue : point.uY.fValue;
    }
    return 0.0;
}

bool IsDepthCurve(const COMMON::STRUCT_CURVE_ITEM& curve) {
    return CurveUnitNormalizer::IsDepthCurve(curve);
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
