// The reader keeps memory low by joining wrapped lines as they are parsed and
// by storing rows without spare capacity; neither may change what is read.
#include "reader/WrappedRowJoiner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace testing_support;

TEST(StreamedRows, WrappedLinesJoinAsTheJoinOfAllLinesWould) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 100; ++trial) {
        // Lines of 1 to 3 values for three curves: some join into whole records, some split one.
        std::string data;
        for (int line = 0; line < 1 + trial % 9; ++line, data += "\n")
            for (int n = 1 + static_cast<int>(random() % 3); n > 0; --n)
                data += std::to_string(random() % 1000) + ".5 ";
        ScratchFile lines, wrapped;
        lines.ReadLas(LasWithData(data, "NO"), CDataFileReader::kReadAll, true);
        RowTable expected = lines.reader.GetRows();
        const bool joins = WrappedRowJoiner(3).Join(expected);
        EXPECT_EQ(wrapped.ReadLas(LasWithData(data, "YES"), CDataFileReader::kReadAll, true), joins)
            << data;
        EXPECT_EQ(wrapped.reader.GetRows(), expected) << data;
    }
}

TEST(StreamedRows, RowsHoldNoSpareCells) {
    ScratchFile plain, wrapped, table;
    ASSERT_TRUE(plain.ReadLas(LasWithData("1000 1 2\n1001,3,4\n")));
    ASSERT_TRUE(wrapped.ReadLas(LasWithData("1000\n1 2\n1001\n3\n4\n", "YES")));
    ASSERT_TRUE(table.Read("DEPTH GR RT\nm api ohmm\n1000 1 2\n1001 3 4 5\n"));
    for (const ScratchFile* file : {&plain, &wrapped, &table}) {
        ASSERT_FALSE(file->reader.GetRows().empty());
        for (const Row& row : file->reader.GetRows())
            EXPECT_EQ(row.capacity(), row.size());
    }
}
