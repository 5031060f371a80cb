#include "reader/WrappedRowJoiner.h"

#include <gtest/gtest.h>

namespace {

// Rows of the given cell counts; cell texts count up from 1.
RowTable RowsOfWidths(std::initializer_list<int> widths) {
    RowTable rows;
    int cell = 0;
    for (int width : widths) {
        Row row;
        for (int i = 0; i < width; ++i)
            row.push_back(std::to_wstring(++cell));
        rows.push_back(row);
    }
    return rows;
}

struct JoinCase {
    const char* name;
    size_t curves;
    std::initializer_list<int> widths;
    bool joins;
    size_t records;
};

TEST(LasWrapJoin, JoinsWholeRecordsAndRejectsSplitOnes) {
    const JoinCase cases[] = {
        {"depth alone, then the values", 4, {1, 3, 1, 3}, true, 2},
        {"values split two and three", 4, {2, 3}, false, 0},
        {"a line longer than a record", 2, {3}, false, 0},
        {"unwrapped lines", 3, {3, 3, 3}, true, 3},
        {"last record incomplete", 3, {1, 2, 1, 1}, false, 1},
        {"no curves: rows left alone", 0, {1}, false, 1},
        {"no rows", 3, {}, false, 0},
    };
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowTable rows = RowsOfWidths(c.widths);
        EXPECT_EQ(WrappedRowJoiner(c.curves).Join(rows), c.joins);
        EXPECT_EQ(rows.size(), c.records);
    }
}

TEST(LasWrapJoin, KeepsCellOrderAcrossLines) {
    RowTable rows = RowsOfWidths({1, 2, 2, 1, 1, 2});
    ASSERT_TRUE(WrappedRowJoiner(3).Join(rows));
    EXPECT_EQ(rows, (RowTable{{L"1", L"2", L"3"}, {L"4", L"5", L"6"}, {L"7", L"8", L"9"}}));
}

} // namespace
