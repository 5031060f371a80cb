// Splits a line into cells at tabs, blanks, ",", ":" and ";". Runs of separators
// give no empty cells; LF and CR are removed from the cells; nothing else (no
// quotes, no escapes) is special.
#pragma once

#include "reader/RowTable.h"

#include <string_view>

namespace welldata {

void SplitCells(std::wstring_view line, Row& cells);
Row SplitCells(std::wstring_view line);

} // namespace welldata
