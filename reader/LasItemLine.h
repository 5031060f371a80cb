// Splits one header line of a LAS file into its four parts: mnemonic, unit,
// value and description ("DEPT.M      : depth", "NULL.  -999.25 : null value").
#pragma once

#include "reader/CLasSectionTable.h"

#include <optional>
#include <string_view>

namespace welldata {

// The item of `line`; none when the line has no ".", blank or ":" to end its
// mnemonic. A unit "UNKNOWN" (any case) is stored empty; the value keeps no
// blanks or tabs; the description keeps its leading blanks and is the whole line
// when there is no ":".
std::optional<CLasItem> SplitLasItem(std::wstring_view line);

} // namespace welldata
