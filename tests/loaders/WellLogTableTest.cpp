#include "loaders/CWellLog.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

using COMMON::STRUCT_CURVE_ITEM;
using Values = std::vector<float>;

struct TableLoad : testing_support::ScratchFile {
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log{&reader, &path, &curves};

    // Prepares a load of `table` with the chosen curves, as the single well log
    // dialog leaves it.
    void Choose(const std::string& table, std::list<STRUCT_CURVE_ITEM> chosen) {
        Write(table).SetHeaderSearch(true);
        log.SetCurves(chosen);
    }
    const Values& ValuesOf(size_t index) const {
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

TEST(WellLogTable, NullsColumnZeroAndConversion) {
    TableLoad table;
    std::string text = "DEPTH TVD GR\n";
    for (int i = 0; i < 9; ++i)
        text += std::to_string(1000 + i) + " 900 " + (i == 0 ? "-999.25" : "0.0004") + "\n";
    table.Choose(text, {Curve(L"depth", 1), Curve(L"TVD", 2), Curve(L"GR", 3), Curve(L"NONE", 0)});
    table.log.SetNullValues({-999.25f, 0.0f});
    table.log.SetConvertUnits(true);
    table.log.SetDepthUnit(COMMON::COOR_UNIT_FT);
    ASSERT_TRUE(table.log.LoadTable());
    // Ten lines with a header row give nine values per curve; only DEPTH converts.
    ASSERT_EQ(table.ValuesOf(0).size(), 9u);
    EXPECT_FLOAT_EQ(table.ValuesOf(0)[0], 1000 * 0.3048f);
    EXPECT_EQ(table.curves.lstCurves.front().strUnit, L"ft");
    EXPECT_EQ(table.ValuesOf(1)[0], 900.0f);
    EXPECT_EQ(table.ValuesOf(2), Values(9, -9999.0f));
    EXPECT_EQ(table.ValuesOf(3), Values(9, -9999.0f));
}

TEST(WellLogTable, NothingToLoadOrUnreadableFileFails) {
    TableLoad table;
    EXPECT_FALSE(table.log.LoadTable());
    testing_support::MessageCapture messages;
    table.log.SetCurves({Curve(L"GR", 1)});
    table.reader.SetFilePath(testing_support::Widen(table.dir.Path() + "/missing.txt"));
    EXPECT_FALSE(table.log.LoadLog());
}

TEST(WellLogTable, LogWithAPathLoadsMdInclAzimUnconverted) {
    TableLoad table;
    table.Choose("DEPTH INCL AZIM GR\n1000 2.5 300 45\n1001 3 -999.25 46\n", {Curve(L"GR", 4)});
    table.curves.bWithWellPath = true;
    table.log.SetDataType(PATH_LOG_MD_INCL_AZIM);
    table.log.SetINCLColumn(1);
    table.log.SetAZIMColumn(2);
    table.log.SetConvertUnits(true);
    table.log.SetDepthUnit(COMMON::COOR_UNIT_FT);
    table.log.SetAzimuthToTrueNorth(true);
    testing_support::MessageCapture messages;
    // The null azimuth of the second row stops the load before any curve.
    EXPECT_FALSE(table.log.LoadLog());
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(table.ValuesOf(0).empty());
    ASSERT_EQ(table.path.dqPoints.size(), 1u);
    const COMMON::STRUCT_WELL_PATH_POINT& point = table.path.dqPoints[0];
    EXPECT_EQ(point.fMD, 1000.0f);
    EXPECT_EQ(point.fInclOrDepth, 2.5f);
    EXPECT_EQ(point.uAzimOrX.fValue, 300.0f);

    table.Choose("DEPTH INCL AZIM GR\n1000 2.5 300 45\n", {Curve(L"GR", 4)});
    EXPECT_TRUE(table.log.LoadLog());
    EXPECT_EQ(table.ValuesOf(0), (Values{45.0f}));
}

} // namespace
