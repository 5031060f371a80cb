#include "loaders/CWellLog.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using COMMON::STRUCT_CURVE_ITEM;
using Values = std::vector<float>;
using testing_support::LasHeader;

struct LogLoad : testing_support::ScratchFile {
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log{&reader, &path, &curves};

    bool Load(const std::string& text) { return ReadLas(text) && log.LoadLas(); }
    void Choose(const std::string& table, std::list<STRUCT_CURVE_ITEM> chosen) {
        Write(table).SetHeaderSearch(true);
        log.SetCurves(chosen);
    }
    const STRUCT_CURVE_ITEM& Curve(size_t index) const {
        return *std::next(curves.lstCurves.begin(), static_cast<long>(index));
    }
};

const std::string kThreeCurves = "~Curve\n dept.M : depth\n gr .API : gamma\n Rt.OHMM : res\n";

TEST(WellLogLas, NullItemValuesBecomeMinus9999) {
    // A NULL matches within a thousandth: -999.2505 is null, -999.252 is not.
    const std::string data = "~A\n1000 -999.25 0\n1001 -999.2505 -999.252\n";
    const Values asRead{-999.25f, -999.2505f}, nulled(2, -9999.0f);
    const std::tuple<const char*, Values, Values> cases[] = {
        {" NULL.   -999.25 : null\n", nulled, {0.0f, -999.252f}},
        {" NULL.   -999.25(none) : null\n", nulled, {0.0f, -999.252f}},
        {" NULL.   none    : null\n", asRead, {-9999.0f, -999.252f}},
        {"", asRead, {0.0f, -999.252f}}};
    for (const auto& [nullLine, gr, rt] : cases) {
        LogLoad las;
        ASSERT_TRUE(las.Load(LasHeader("NO", nullLine) + kThreeCurves + data)) << nullLine;
        EXPECT_EQ(las.Curve(1).vecValues, gr) << nullLine;
        EXPECT_EQ(las.Curve(2).vecValues, rt) << nullLine;
    }
}

STRUCT_CURVE_ITEM Chosen(const wchar_t* name, int column) {
    STRUCT_CURVE_ITEM curve;
    curve.strName = curve.strType = name;
    curve.strUnit = L"ft";
    curve.nColumn = column;
    return curve;
}

TEST(WellLogTable, NullsColumnZeroAndConversion) {
    LogLoad table;
    std::string text = "DEPTH TVD GR\n";
    for (int i = 0; i < 9; ++i)
        text += std::to_string(1000 + i) + " 900 " + (i == 0 ? "-999.25" : "0.001") + "\n";
    table.Choose(text,
                 {Chosen(L"depth", 1), Chosen(L"TVD", 2), Chosen(L"GR", 3), Chosen(L"NONE", 0)});
    table.log.SetNullValues({-999.25f, 0.0f});
    table.log.SetConvertUnits(true);
    table.log.SetDepthUnit(COMMON::COOR_UNIT_FT);
    ASSERT_TRUE(table.log.LoadTable());
    // Ten lines with a header row give nine values per curve; only DEPTH converts.
    ASSERT_EQ(table.Curve(0).vecValues.size(), 9u);
    EXPECT_FLOAT_EQ(table.Curve(0).vecValues[0], 1000 * 0.3048f);
    EXPECT_EQ(table.curves.lstCurves.front().strUnit, L"ft");
    EXPECT_EQ(table.Curve(1).vecValues[0], 900.0f);
    EXPECT_EQ(table.Curve(2).vecValues, Values(9, -9999.0f));
    EXPECT_EQ(table.Curve(3).vecValues, Values(9, -9999.0f));
}

} // namespace
