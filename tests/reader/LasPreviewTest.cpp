#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testing_support::LasWithData;
using testing_support::ScratchFile;
constexpr int kPreview = CDataFileReader::kReadLasPreview;
constexpr int kHeaderLines = 10; // LasWithData's lines up to and including "~A"

// `count` unwrapped data lines of the three test curves.
std::string DataLines(int count) {
    std::string data;
    for (int i = 0; i < count; ++i)
        data += std::to_string(1000 + i) + " 45.5 -2.25\n";
    return data;
}

TEST(LasPreview, StopsAfterTheHeaderAndTenPlainDataLines) {
    ScratchFile las;
    ASSERT_TRUE(las.ReadLas(LasWithData(DataLines(30)), kPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 10);
    const std::wstring preview = las.reader.TakePreviewText();
    EXPECT_EQ(std::ranges::count(preview, L'\n'), kHeaderLines + 10);
    EXPECT_EQ(preview.substr(preview.size() - 17), L"1009 45.5 -2.25\r\n");
    EXPECT_TRUE(las.reader.TakePreviewText().empty());
    // Only lines of digits, points, minus signs and blanks count as data.
    ASSERT_TRUE(las.ReadLas(
        LasWithData("# depth gr rt\n1.0E+03 1 2\n1000.5 GR 3\n" + DataLines(20)), kPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 12);
    // Without a well section the file is read to the end.
    const std::string noWell = "~Version\n VERS. 2.0 : v\n~Curve\n DEPT.M : d\n GR.API : g\n";
    ASSERT_TRUE(las.ReadLas(noWell + " RT.OHMM : r\n~A\n" + DataLines(40), kPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 40);
}

TEST(LasPreview, WrappedFilesCountValuesUpToAWholeRecord) {
    ScratchFile las;
    ASSERT_TRUE(las.ReadLas(LasWithData("1000\n45 2\n1001\n46 3\n", "YES"), kPreview));
    EXPECT_EQ(las.reader.GetRowCount(), 1);
}

} // namespace
