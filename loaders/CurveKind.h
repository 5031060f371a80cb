// What a curve stands for, by its type or name: the depth-like curves (depth,
// TVD, Z, MD) and the coordinate curves (X, Y, DX, DY) are the ones converted to
// metres.
#pragma once

#include <string>

namespace welldata {

bool IsDepthCurveType(const std::wstring& type);
bool IsCoordinateCurveType(const std::wstring& type);
// The curve name a LAS mnemonic stands for: trailing blanks dropped, upper case,
// "DEPT" spelled out as "DEPTH".
std::wstring LasCurveName(const std::wstring& mnemonic);

} // namespace welldata
