// Joining wrapped lines as they are parsed (which keeps memory low) reads what
// joining all lines afterwards would.
#include "reader/WrappedRowJoiner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

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
