#include "reader/CellSplitter.h"

#include <algorithm>

namespace welldata {

namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\t' || c == L' ' || c == L',' || c == L':' || c == L';';
}

bool IsLineEnd(wchar_t c) {
    return c == L'\n' || c == L'\r';
}

size_t SkipSeparators(std::wstring_view line, size_t i) {
    while (i < line.size() && IsSeparator(line[i]))
        ++i;
    return i;
}

size_t SkipCell(std::wstring_view line, size_t i) {
    while (i < line.size() && !IsSeparator(line[i]))
        ++i;
    return i;
}

// Counted first so that a row holds exactly its cells, with no spare capacity.
size_t CountCells(std::wstring_view line) {
    size_t count = 0;
    for (size_t i = SkipSeparators(line, 0); i < line.size(); i = SkipSeparators(line, i)) {
        i = SkipCell(line, i);
        ++count;
    }
    return count;
}

} // namespace

void SplitCells(std::wstring_view line, Row& cells) {
    cells.clear();
    cells.reserve(CountCells(line));
    for (size_t i = SkipSeparators(line, 0); i < line.size(); i = SkipSeparators(line, i)) {
        const size_t start = i;
        i = SkipCell(line, i);
        std::wstring& cell = cells.emplace_back(line.substr(start, i - start));
        // A run of only line ends is still a cell, now empty, as it was delimited.
        cell.erase(std::remove_if(cell.begin(), cell.end(), IsLineEnd), cell.end());
    }
}

Row SplitCells(std::wstring_view line) {
    Row cells;
    SplitCells(line, cells);
    return cells;
}

} // namespace welldata
