#include "reader/CellSplitter.h"

namespace welldata {

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\t' || c == L' ' || c == L',' || c == L':' || c == L';';
}

bool IsLineEnd(wchar_t c) {
    return c == L'\n' || c == L'\r';
}

} // namespace

void SplitCells(std::wstring_view line, Row& cells) {
    cells.clear();
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSeparator(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !IsSeparator(line[i]))
            ++i;
        if (i == start)
            break;
        std::wstring cell;
        cell.reserve(i - start);
        for (size_t k = start; k < i; ++k) {
            if (!IsLineEnd(line[k]))
                cell += line[k];
        }
        // A run of only line ends is still a cell, now empty, as it was delimited.
        cells.push_back(std::move(cell));
    }
}

Row SplitCells(std::wstring_view line) {
    Row cells;
    SplitCells(line, cells);
    return cells;
}

} // namespace welldata
