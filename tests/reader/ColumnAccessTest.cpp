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

TEST_F(ColumnAccess, NumericCellColumnAndRows) {
    for (int column : {0, 1, 2, 9})
        EXPECT_EQ(reader.IsNumericCell(column), column < 2) << column;
    EXPECT_TRUE(reader.IsNumericColumn(0));
    EXPECT_FALSE(reader.IsNumericColumn(1)); // "abc" in the third row
    EXPECT_TRUE(reader.IsNumericColumn(7));  // beyond the header
    EXPECT_TRUE(reader.GetRow(-1).empty());
    EXPECT_TRUE(reader.GetRow(4).empty());
    EXPECT_EQ(reader.GetFirstRow(), (Row{L"DEPTH", L"GR", L"NAME"}));
}

TEST_F(ColumnAccess, CopiesAreIndependentAndPathsComparedAsTheFileSystemDoes) {
    CDataFileReader copy(reader);
    reader.Clear();
    EXPECT_TRUE(reader.GetRows().empty());
    EXPECT_EQ(reader.GetLasSections(), nullptr);
    EXPECT_EQ(copy.GetRowCount(), 3);
    ASSERT_NE(copy.GetLasSections(), nullptr);
    copy = reader;
    EXPECT_EQ(copy.GetLasSections(), nullptr);
    // Linux tells A.txt and a.txt apart: naming the second reads the second.
    reader.SetFilePath(file.dir.Write("A.txt", "DEPTH\n1\n"));
    reader.SetFilePath(file.dir.Write("a.txt", "DEPTH\n1\n2\n"));
    ASSERT_TRUE(reader.Read(CDataFileReader::kReadAll));
    EXPECT_EQ(reader.GetRowCount(), 2);
}
