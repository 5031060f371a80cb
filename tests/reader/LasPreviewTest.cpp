#include "reader/LasTestFile.h"

#include <gtest/gtest.h>

namespace {

using testing_support::LasHeader;
using testing_support::LasTestFile;
using testing_support::LasWithData;

// `count` unwrapped data lines of the three test curves.
std::string DataLines(int count, int firstDepth = 1000) {
    std::string data;
    for (int i = 0; i < count; ++i)
        data += std::to_string(firstDepth + i) + " 45.5 -2.25\n";
    return data;
}

size_t LineCount(const std::wstring& text) {
    size_t lines = 0;
    for (size_t at = text.find(L"\r\n"); at != std::wstring::npos; at = text.find(L"\r\n", at + 2))
        ++lines;
    return lines;
}

const int kHeaderLines = 10; // LasWithData's lines up to and including "~A"

TEST(LasPreview, StopsAfterTheHeaderAndTenDataLines) {
    LasTestFile las;
    ASSERT_TRUE(las.Read(LasWithData(DataLines(30)), CDataFileReader::kReadLasPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 10);
    const std::wstring preview = las.reader.TakePreviewText();
    EXPECT_EQ(LineCount(preview), size_t(kHeaderLines + 10));
    EXPECT_EQ(preview.substr(preview.size() - 17), L"1009 45.5 -2.25\r\n");
    EXPECT_TRUE(las.reader.TakePreviewText().empty());
}

TEST(LasPreview, OnlyPlainNumberLinesCountAsData) {
    LasTestFile las;
    ASSERT_TRUE(las.Read(LasWithData("# depth gr rt\n1.0E+03 1 2\n1000.5 GR 3\n" + DataLines(20)),
                         CDataFileReader::kReadLasPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 12);
}

TEST(LasPreview, WrappedFilesCountValuesUpToAWholeRecord) {
    LasTestFile las;
    ASSERT_TRUE(
        las.Read(LasWithData("1000\n45 2\n1001\n46 3\n", "YES"), CDataFileReader::kReadLasPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 1);
    las.reader.TakePreviewText();
    // Counted modulo the curve count, values first add up to whole records after
    // the third line here (which the parse then rejects as split records).
    testing_support::MessageCapture messages;
    EXPECT_FALSE(las.Read(LasWithData("1000 45\n2 1001\n46 3\n1002 47\n4 1003\n", "YES"),
                          CDataFileReader::kReadLasPreview));
    EXPECT_EQ(LineCount(las.reader.TakePreviewText()), size_t(kHeaderLines + 3));
}

TEST(LasPreview, FileWithoutAWellSectionIsReadToTheEnd) {
    LasTestFile las;
    const std::string text = "~Version\n VERS. 2.0 : v\n~Curve\n DEPT.M : d\n GR.API : g\n"
                             " RT.OHMM : r\n~A\n" +
                             DataLines(40);
    ASSERT_TRUE(las.Read(text, CDataFileReader::kReadLasPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 40);
}

TEST(LasPreview, BatchPreviewCollectsNoLines) {
    LasTestFile las;
    ASSERT_TRUE(las.Read(LasWithData(DataLines(30)), CDataFileReader::kReadLasPreview, true));
    EXPECT_EQ(las.reader.GetRowCount(), 10);
    EXPECT_TRUE(las.reader.TakePreviewText().empty());
}

} // namespace
