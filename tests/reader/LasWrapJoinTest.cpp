#include "reader/WrappedRowJoiner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Rows of the given cell counts; cell texts count up from 1.
RowTable RowsOfWidths(std::initializer_list<int> widths) {
    RowTable rows;
    int cell = 0;
    for (int width : widths) {
        rows.emplace_back();
        while (width-- > 0)
            rows.back().push_back(std::to_wstring(++cell));
    }
    return rows;
}

TEST(LasWrapJoin, JoinsWholeRecordsAndRejectsSplitOnes) {
    // Curves, line widths, whether the join succeeds and the records left.
    const std::tuple<size_t, RowTable, bool, size_t> cases[] = {
        {4, RowsOfWidths({1, 3, 1, 3}), true, 2},  // depth alone, then the values
        {4, RowsOfWidths({2, 3}), false, 0},       // values split two and three
        {2, RowsOfWidths({3}), false, 0},          // a line longer than a record
        {3, RowsOfWidths({3, 3, 3}), true, 3},     // unwrapped lines
        {3, RowsOfWidths({1, 2, 1, 1}), false, 1}, // last record incomplete
        {0, RowsOfWidths({1}), false, 1},          // no curves: rows left alone
        {3, {}, false, 0}};
    for (auto [curves, rows, joins, records] : cases) {
        EXPECT_EQ(WrappedRowJoiner(curves).Join(rows), joins) << curves << " " << records;
        EXPECT_EQ(rows.size(), records) << curves;
    }
    RowTable rows = RowsOfWidths({1, 2, 2, 1, 1, 2}); // cells keep their order across lines
    ASSERT_TRUE(WrappedRowJoiner(3).Join(rows));
    EXPECT_EQ(rows, (RowTable{{L"1", L"2", L"3"}, {L"4", L"5", L"6"}, {L"7", L"8", L"9"}}));
}

// Joining wrapped lines as they are parsed (which keeps memory low) reads what
// joining all lines afterwards would.
TEST(StreamedRows, WrappedLinesJoinAsTheJoinOfAllLinesWould) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 100; ++trial) {
        // Lines of 1 to 3 values for three curves: some join into whole records, some split one.
        std::string data;
        for (int line = 0; line < 1 + trial % 9; ++line, data += "\n")
            for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
                data += std::to_string(random() % 1000) + ".5 ";
        testing_support::ScratchFile lines, wrapped;
        lines.ReadLas(testing_support::LasWithData(data, "NO"), CDataFileReader::kReadAll, true);
        RowTable expected = lines.reader.GetRows();
        const bool joins = WrappedRowJoiner(3).Join(expected);
        EXPECT_EQ(wrapped.ReadLas(testing_support::LasWithData(data, "YES"),
                                  CDataFileReader::kReadAll, true),
                  joins)
            << data;
        EXPECT_EQ(wrapped.reader.GetRows(), expected) << data;
    }
}

} // namespace
