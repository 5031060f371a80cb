#include "loaders/CWellLog.h"
#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

using COMMON::STRUCT_CURVE_ITEM;
using testing_support::MessageCapture;
using testing_support::ScratchDir;

struct TableLoad {
    ScratchDir dir;
    CDataFileReader reader;
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log{&reader, &path, &curves};

    // Prepares a load of `file` with the chosen curves, as the single well log
    // dialog leaves it.
    void Choose(const std::wstring& file, std::list<STRUCT_CURVE_ITEM> chosen) {
        reader.SetFilePath(file);
        reader.SetHeaderSearch(true);
        log.SetCurves(chosen);
    }
    const std::vector<float>& Values(size_t index) const {
        return std::next(curves.lstCurves.begin(), static_cast<long>(index))->vecValues;
    }
};

STRUCT_CURVE_ITEM Curve(const wchar_t* type, int column) {
    STRUCT_CURVE_ITEM curve;
    curve.strName = curve.strType = type;
    curve.strUnit = L"ft";
    curve.nColumn = column;
    return curve;
}

TEST(WellLogTable, SampleTableLoadsTheChosenColumns) {
    TableLoad table;
    table.Choose(testing_support::SamplePath("well_log.txt"),
                 {Curve(L"DEPTH", 1), Curve(L"DEN", 5), Curve(L"SP", 10)});
    ASSERT_TRUE(table.log.LoadLog());
    ASSERT_EQ(table.Values(0).size(), 240u);
    EXPECT_EQ(table.Values(0)[1], 2150.125f);
    EXPECT_EQ(table.Values(1)[0], -9999.0f);
    EXPECT_EQ(table.Values(2).size(), 240u);
}

TEST(WellLogTable, NullsColumnZeroAndConversion) {
    TableLoad table;
    std::string text = "DEPTH TVD GR\n";
    for (int i = 0; i < 9; ++i)
        text += std::to_string(1000 + i) + " 900 " + (i == 0 ? "-999.25" : "0.0004") + "\n";
    table.Choose(table.dir.Write("log.txt", text),
                 {Curve(L"depth", 1), Curve(L"TVD", 2), Curve(L"GR", 3), Curve(L"NONE", 0)});
    table.log.SetNullValues({-999.25f, 0.0f});
    table.log.SetConvertUnits(true);
    table.log.SetDepthUnit(COMMON::COOR_UNIT_FT);
    ASSERT_TRUE(table.log.LoadTable());
    // Ten lines with a header row give nine values per curve.
    ASSERT_EQ(table.Values(0).size(), 9u);
    EXPECT_FLOAT_EQ(table.Values(0)[0], 1000 * 0.3048f);
    EXPECT_EQ(table.curves.lstCurves.front().strUnit, L"ft");
    EXPECT_EQ(table.Values(1)[0], 900.0f);
    EXPECT_EQ(table.Values(2), std::vector<float>(9, -9999.0f));
    EXPECT_EQ(table.Values(3), std::vector<float>(9, -9999.0f));
}

TEST(WellLogTable, ColumnPastAShortRowGivesTheFillValue) {
    TableLoad table;
    // A header line without cells leaves rows of their own widths.
    table.Choose(table.dir.Write("log.txt", ", ;\n1 2 3\n4\n"), {Curve(L"GR", 3)});
    table.reader.SetHeaderSearch(false);
    table.log.SetNullValues({});
    ASSERT_TRUE(table.log.LoadTable());
    EXPECT_EQ(table.Values(0), (std::vector<float>{-9999.0f}));
}

TEST(WellLogTable, NothingToLoadOrUnreadableFileFails) {
    TableLoad table;
    EXPECT_FALSE(table.log.LoadTable());
    MessageCapture messages;
    table.Choose(testing_support::Widen(table.dir.Path() + "/missing.txt"), {Curve(L"GR", 1)});
    EXPECT_FALSE(table.log.LoadLog());
    EXPECT_EQ(messages.Single(), L"打开文件失败。");
}

TEST(WellLogTable, LogWithAPathLoadsMdInclAzimUnconverted) {
    TableLoad table;
    const std::string text = "DEPTH INCL AZIM GR\n1000 2.5 300 45\n1001 3 -999.25 46\n";
    table.Choose(table.dir.Write("log.txt", text), {Curve(L"GR", 4)});
    table.curves.bWithWellPath = true;
    table.log.SetDataType(PATH_LOG_MD_INCL_AZIM);
    table.log.SetINCLColumn(1);
    table.log.SetAZIMColumn(2);
    table.log.SetConvertUnits(true);
    table.log.SetDepthUnit(COMMON::COOR_UNIT_FT);
    table.log.SetAzimuthToTrueNorth(true);
    MessageCapture messages;
    // The null azimuth of the second row stops the load before any curve.
    EXPECT_FALSE(table.log.LoadLog());
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(table.Values(0).empty());
    ASSERT_EQ(table.path.dqPoints.size(), 1u);
    const COMMON::STRUCT_WELL_PATH_POINT& point = table.path.dqPoints[0];
    EXPECT_EQ(point.fMD, 1000.0f);
    EXPECT_EQ(point.fInclOrDepth, 2.5f);
    EXPECT_EQ(point.uAzimOrX.fValue, 300.0f);

    table.Choose(table.dir.Write("log.txt", "DEPTH INCL AZIM GR\n1000 2.5 300 45\n"),
                 {Curve(L"GR", 4)});
    EXPECT_TRUE(table.log.LoadLog());
    EXPECT_EQ(table.Values(0), (std::vector<float>{45.0f}));
}

} // namespace
