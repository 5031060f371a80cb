// Cells read as 0 that a curve load held during the read join the report as
// if they had been noted after the path load's: a cell both noted counts once,
// and the report keeps the first lines of both.
#include "reader/LoadReportRecorder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Row, column; each row comes from file line row + 10.
using Cells = std::vector<std::pair<std::size_t, std::size_t>>;

void NoteAll(LoadReportRecorder& recorder, const Cells& cells) {
    for (const auto& [row, column] : cells)
        recorder.NoteTextCell(row, column, row + 10);
}

struct MergeCase {
    const char* name;
    Cells path;  // noted by the path load, as the rows came
    Cells taken; // held by the curve load
    std::size_t firstRow;
    std::size_t count;
    std::vector<std::size_t> lines;
};

TEST(TextCellMerge, CountsEachCellOnceAsASecondPassWould) {
    const MergeCase cases[] = {
        {"no path", {}, {{1, 0}, {4, 0}}, 1, 2, {11, 14}},
        {"other columns", {{2, 1}}, {{3, 2}, {4, 2}}, 1, 3, {12, 13, 14}},
        // A LAS table with the header-row flag: the path reads row 0, the
        // curves start at row 1.
        {"row 0 read by the path alone", {{0, 1}, {3, 1}}, {{3, 1}, {6, 1}}, 1, 3, {10, 13, 16}},
        {"the first five lines of both",
         {{1, 0}, {3, 0}, {5, 0}, {7, 0}, {9, 0}, {11, 0}},
         {{1, 0}, {2, 1}, {3, 0}, {4, 1}, {5, 0}, {7, 0}, {9, 0}, {11, 0}, {12, 0}},
         1,
         9,
         {11, 12, 13, 14, 15}},
    };
    for (const MergeCase& c : cases) {
        LoadReportRecorder report;
        report.Start();
        NoteAll(report, c.path);
        LoadReportRecorder held;
        NoteAll(held, c.taken);
        report.MergeTextCells(held, c.firstRow);
        EXPECT_EQ(report.Report().textCells.count, c.count) << c.name;
        EXPECT_EQ(report.Report().textCells.lines, c.lines) << c.name;
    }
}

} // namespace
