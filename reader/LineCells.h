// The cells of one line, split as welldata::SplitCells splits it: an ASCII
// line by its bytes, its cells slices of it; any other line by its wide text,
// its cells in the reader's kept form (reader/CellText.h). Reused line after
// line, so that splitting allocates nothing once it has seen a long line.
#pragma once

#include "reader/RowTable.h"
#include "reader/RowView.h"

#include <string>
#include <string_view>
#include <vector>

class LineCells {
public:
    // The line must outlive the cells.
    void SplitAscii(std::string_view line);
    void SplitWide(std::wstring_view line);
    // Appends `cell` until the row has `width` cells.
    void PadTo(std::size_t width, std::string_view cell);

    RowView Cells() const { return m_cells; }
    std::size_t Size() const { return m_cells.size(); }
    bool Empty() const { return m_cells.empty(); }

private:
    void Start(std::size_t textBytes);

    // Cells that are no slice of the line: cleaned of line ends, or encoded.
    std::string m_text;
    std::vector<std::string_view> m_cells;
    Row m_wideCells;
    std::vector<std::size_t> m_ends;
};
