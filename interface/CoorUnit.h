// Length units of coordinates and depths.
#pragma once

#include "welldata/Common.h"

#include <string_view>

namespace welldata {

// Factor that converts a value in `unit` to metres; 1 for metre and for any code
// outside 1..4.
double CoorUnitFactor(int unit);

// The unit a LAS unit text stands for, by its first letter (case-insensitive):
// "F" foot, "I" inch, "M" metre, "D" decimetre, "C" centimetre; anything else,
// the empty text included, is metre.
COMMON::ENUM_COOR_UNIT CoorUnitFromText(std::wstring_view unitText);

} // namespace welldata
