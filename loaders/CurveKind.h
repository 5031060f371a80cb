// What a curve stands for, by its type or name: the depth-like curves (depth,
// TVD, Z, MD) and the coordinate curves (X, Y, DX, DY) are the ones converted to
// metres.
#pragma once

#include "welldata/Common.h"

#include <string>

struct CLasSection;

namespace welldata {

bool IsDepthCurveType(const std::wstring& type);
bool IsCoordinateCurveType(const std::wstring& type);
// The curve name a LAS mnemonic stands for: trailing blanks dropped, upper case,
// "DEPT" spelled out as "DEPTH".
std::wstring LasCurveName(const std::wstring& mnemonic);
// The length units a LAS file's curve section gives its depth-like and its
// coordinate curves, by the first letter of each unit; a unit stays as it is
// when no curve of its kind is there (the last curve of a kind wins).
void ReadLasCurveUnits(const CLasSection& curveSection, COMMON::ENUM_COOR_UNIT& depthUnit,
                       COMMON::ENUM_COOR_UNIT& coorUnit);

} // namespace welldata
