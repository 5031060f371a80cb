#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Values = std::vector<float>;

struct ColumnAccess : testing::Test {
    void SetUp() override {
        ASSERT_TRUE(file.Read("DEPTH GR NAME\n1 -999.25 a\n2 abc b\n3 30 c\n"));
    }
    testing_support::ScratchFile file;
    CDataFileReader& reader = file.reader;
};

} // namespace

TEST_F(ColumnAccess, ColumnsConvertStrictlyWithOneValuePerDataRow) {
    EXPECT_EQ(reader.GetColumn(0), (Values{1, 2, 3}));
    EXPECT_EQ(reader.GetColumn(1), (Values{-999.25f, 0, 30}));
    EXPECT_EQ(reader.GetColumn(-1), (Values{0, 0, 0}));
    EXPECT_TRUE(reader.GetColumn(3).empty());
    reader.SetHeaderRow(false);
    EXPECT_EQ(reader.GetColumn(0), (Values{0, 1, 2, 3}));
    reader.SetHeaderRow(true);
    ASSERT_TRUE(file.Read(",,,\n1 2 3\n4\n")); // no header cells: rows are left unpadded
    reader.SetHeaderRow(false);
    EXPECT_EQ(reader.GetColumn(2), (Values{3, -9999})) << "a short row is never read past its end";
}
