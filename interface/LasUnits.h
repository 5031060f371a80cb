// The units of a LAS file loaded by name: those its depth and coordinate curves
// declare, and, when either is not metres, the answer to the unit question.
#pragma once

#include "welldata/Common.h"

#include <string>

class CLasSectionTable;

namespace welldata {

// Takes the units of the "~C" section of `sections` (when there is one) into
// `coorUnit` and `depthUnit` and asks the unit question about `path` when
// either is not metres; an answer sets all three, `settled` from its "do not
// ask again".
void SettleLasUnits(const CLasSectionTable* sections, const std::wstring& path, bool& settled,
                    COMMON::ENUM_COOR_UNIT& coorUnit, COMMON::ENUM_COOR_UNIT& depthUnit);

} // namespace welldata
