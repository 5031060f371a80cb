// The rules over the import dialogs' choices that every host needs.
#include "welldata/LoadChoices.h"

#include "loaders/CurveUnitNormalizer.h"
#include "platform/Translation.h"
#include "platform/WideText.h"

#include <algorithm>
#include <iterator>

namespace welldata {

namespace {

const wchar_t* const kCoorUnitNames[] = {L"m", L"in", L"ft", L"dm", L"cm"};
const wchar_t* const kPathColumnNames[] = {L"MD", L"INCL", L"AZIM", L"TVD", L"DX",
                                           L"DY", L"X",    L"Y",    L"Z"};

} // namespace

const wchar_t* CoorUnitName(COMMON::ENUM_COOR_UNIT unit) {
    return unit >= COMMON::COOR_UNIT_M && unit <= COMMON::COOR_UNIT_CM ? kCoorUnitNames[unit]
                                                                       : kCoorUnitNames[0];
}

bool FindCoorUnit(std::wstring_view name, COMMON::ENUM_COOR_UNIT& unit) {
    for (int code = COMMON::COOR_UNIT_M; code <= COMMON::COOR_UNIT_CM; ++code) {
        if (EqualsNoCase(name, kCoorUnitNames[code])) {
            unit = static_cast<COMMON::ENUM_COOR_UNIT>(code);
            return true;
        }
    }
    return false;
}

const wchar_t* PathLayoutName(std::int32_t dataType) {
    switch (dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        return L"MD, INCL, AZIM";
    case PATH_TVD_DX_DY:
        return L"TVD, DX, DY";
    case PATH_TVD_X_Y:
        return L"TVD, X, Y";
    case PATH_X_Y_Z:
        return L"X, Y, Z";
    default:
        return L"unknown";
    }
}

const wchar_t* PathColumnName(PathColumn column) {
    const auto index = static_cast<size_t>(column);
    return index < std::size(kPathColumnNames) ? kPathColumnNames[index] : L"";
}

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
    return !RequiredPathColumns(assignment.dataType).empty() &&
           MissingPathColumns(assignment).empty();
}

std::vector<PathColumn> MissingPathColumns(const PathColumnAssignment& assignment) {
    std::vector<PathColumn> missing;
    for (PathColumn column : RequiredPathColumns(assignment.dataType)) {
        if (assignment.Column(column) == 0)
            missing.push_back(column);
    }
    return missing;
}

const wchar_t* PathAssignmentProblem(const PathColumnAssignment& assignment) {
    return IsAssignmentComplete(assignment)
               ? nullptr
               : TranslatedText(WELLDATA_CATALOGUE_TEXT(
                     "LoadChoices", "井轨迹数据不完整，请重新选择或校正数据文件。"));
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
        return TranslatedText(WELLDATA_CATALOGUE_TEXT("LoadChoices", "请指定井名称。"));
    if (choices.xColumn < 0)
        return TranslatedText(WELLDATA_CATALOGUE_TEXT("LoadChoices", "请指定井的X坐标。"));
    if (choices.yColumn < 0)
        return TranslatedText(WELLDATA_CATALOGUE_TEXT("LoadChoices", "请指定井的Y坐标。"));
    return nullptr;
}

} // namespace welldata
