// The reader keeps memory low by joining wrapped lines as they are parsed and
// by storing rows without spare capacity; neither may change what is read.
#include "reader/LasTestFile.h"
#include "reader/WrappedRowJoiner.h"

#include <gtest/gtest.h>

#include <random>

using namespace testing_support;

namespace {

// Data lines of 1 to 3 values for three curves: some join into whole records,
// some split a record across lines.
std::string RandomWrappedData(std::mt19937& random, int lines) {
    std::string data;
    for (int i = 0; i < lines; ++i) {
        for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
            data += std::to_string(random() % 1000) + ".5 ";
        data += "\n";
    }
    return data;
}

} // namespace

TEST(StreamedRows, WrappedLinesJoinAsTheJoinOfAllLinesWould) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 100; ++trial) {
        const std::string data = RandomWrappedData(random, 1 + trial % 9);
        LasTestFile lines;
        lines.Read(LasWithData(data, "NO"), CDataFileReader::kReadAll, true);
        RowTable expected = lines.reader.GetRows();
        const bool joins = WrappedRowJoiner(3).Join(expected);

        LasTestFile wrapped;
        EXPECT_EQ(wrapped.Read(LasWithData(data, "YES"), CDataFileReader::kReadAll, true), joins)
            << data;
        EXPECT_EQ(wrapped.reader.GetRows(), expected) << data;
    }
}

TEST(StreamedRows, RowsHoldNoSpareCells) {
    LasTestFile plain;
    ASSERT_TRUE(plain.Read(LasWithData("1000 1 2\n1001,3,4\n")));
    LasTestFile wrapped;
    ASSERT_TRUE(wrapped.Read(LasWithData("1000\n1 2\n1001\n3\n4\n", "YES")));
    ScratchDir dir;
    CDataFileReader table;
    table.SetFilePath(dir.Write("log.txt", "DEPTH GR RT\nm api ohmm\n1000 1 2\n1001 3 4 5\n"));
    ASSERT_TRUE(table.Read(CDataFileReader::kReadAll));
    for (const RowTable* rows :
         {&plain.reader.GetRows(), &wrapped.reader.GetRows(), &table.GetRows()}) {
        ASSERT_FALSE(rows->empty());
        for (const Row& row : *rows)
            EXPECT_EQ(row.capacity(), row.size());
    }
}
