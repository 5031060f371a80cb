// Cells read as 0 that a curve load held during the read join the report as
// if they had been noted after the path load's: a cell both noted counts once,
// and the report keeps the first lines of both.
#include "reader/LoadReportRecorder.h"

#include <gtest/gtest.h>

namespace {

// Row, column; each row comes from file line row + 10.
using Cells = std::vector<std::pair<std::size_t, std::size_t>>;

void NoteAll(LoadReportRecorder& recorder, const Cells& cells) {
    for (const auto& [row, column] : cells)
        recorder.NoteTextCell(row, column, row + 10);
}

TEST(TextCellMerge, CountsEachCellOnceAsASecondPassWould) {
    // Noted by the path load, held by the curve load, the curves' first row, count, lines.
    // A LAS table with the header-row flag: the path reads row 0, the curves start at row 1.
    const std::tuple<Cells, Cells, std::size_t, std::size_t, std::vector<std::size_t>> cases[] = {
        {{{0, 1}, {3, 1}}, {{3, 1}, {6, 1}}, 1, 3, {10, 13, 16}},
        {{{1, 0}, {3, 0}, {5, 0}, {7, 0}, {9, 0}, {11, 0}},
         {{1, 0}, {2, 1}, {3, 0}, {4, 1}, {5, 0}, {7, 0}, {9, 0}, {11, 0}, {12, 0}},
         1,
         9,
         {11, 12, 13, 14, 15}}};
    for (const auto& [path, taken, firstRow, count, lines] : cases) {
        LoadReportRecorder report, held;
        report.Start();
        NoteAll(report, path);
        NoteAll(held, taken);
        report.MergeTextCells(held, firstRow);
        EXPECT_EQ(report.Report().textCells.count, count) << firstRow;
        EXPECT_EQ(report.Report().textCells.lines, lines) << firstRow;
    }
}

} // namespace
