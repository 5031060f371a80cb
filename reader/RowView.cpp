#include "reader/RowView.h"

#include "reader/CellText.h"

namespace welldata {

Row ToWideRow(RowView row) {
    Row cells;
    cells.reserve(row.size());
    for (std::string_view cell : row)
        cells.push_back(CellToWide(cell));
    return cells;
}

std::wstring CellWide(std::string_view cell) {
    return CellToWide(cell);
}

} // namespace welldata
