// A row of the reader's table as it is parsed or kept: one view per cell of
// the cell's kept text (reader/CellText.h). Views point into the line being
// parsed or into the reader's store; they last until the next row.
#pragma once

#include "reader/RowTable.h"
#include "reader/StrictNumber.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

using RowView = std::span<const std::string_view>;

// A row the reader hands on: its index in the table, the 1-based file line it
// came from (the first line of a wrapped record) and its cells.
struct ReadRow {
    std::size_t index = 0;
    std::size_t line = 0;
    RowView cells;
};

namespace welldata {

// The row as wide cells, each without spare capacity.
Row ToWideRow(RowView row);

// What a loader reads from a cell, the same for a wide row and a kept one.
inline bool CellNumber(const std::wstring& cell, double& value) {
    return ParseStrictDouble(cell, value);
}
inline bool CellNumber(std::string_view cell, double& value) {
    return ParseStrictCell(cell, value);
}
inline const std::wstring& CellWide(const std::wstring& cell) {
    return cell;
}
std::wstring CellWide(std::string_view cell);

} // namespace welldata
