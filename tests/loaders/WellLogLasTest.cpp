#include "loaders/CWellLog.h"
#include "reader/LenientNumber.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <tuple>

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
    // Columns 1 and 2 hold inclination and azimuth of a path the log carries.
    void CarryPath() {
        curves.bWithWellPath = true;
        log.SetDataType(PATH_LOG_MD_INCL_AZIM);
        log.SetINCLColumn(1);
        log.SetAZIMColumn(2);
    }
    void ConvertFeet() {
        log.SetConvertUnits(true);
        log.SetDepthUnit(COMMON::COOR_UNIT_FT);
    }
    const STRUCT_CURVE_ITEM& Curve(size_t index) const {
        return *std::next(curves.lstCurves.begin(), static_cast<long>(index));
    }
};

const std::string kThreeCurves = "~Curve\n dept.M : depth\n gr .API : gamma\n Rt.OHMM : res\n";

TEST(WellLogLas, CurvesAreBuiltFromTheCurveSection) {
    testing_support::FakeProgressCtrl progress;
    LogLoad las;
    las.reader.SetProgressCtrl(&progress);
    ASSERT_TRUE(las.ReadLas(LasHeader() + kThreeCurves + "~A\n1000.5 45.25 12\n1001 46 13\n"));
    const int before = progress.totalSteps;
    ASSERT_TRUE(las.log.LoadLas());
    EXPECT_EQ(progress.totalSteps - before, 3 * (60 / 3 + 1)); // once plus a share per curve
    // Name and type, unit, column, values; none logarithmic or with a display name.
    std::vector<std::tuple<std::wstring, std::wstring, int, Values>> built;
    for (const STRUCT_CURVE_ITEM& curve : las.curves.lstCurves) {
        EXPECT_EQ(curve.strType, curve.strName);
        EXPECT_FALSE(curve.bLogarithmic || !curve.strDisplayName.empty());
        built.emplace_back(curve.strName, curve.strUnit, curve.nColumn, curve.vecValues);
    }
    EXPECT_EQ(built, (decltype(built){{L"DEPTH", L"M", 0, {1000.5f, 1001}},
                                      {L"GR", L"API", 1, {45.25f, 46}},
                                      {L"RT", L"OHMM", 2, {12, 13}}}));
    las.reader.Clear();
    EXPECT_FALSE(las.log.LoadLas()); // no curve section
    EXPECT_FALSE(LogLoad().log.LoadLas());
}

TEST(WellLogLas, AWrappedFileLoadsTheCurvesOfItsUnwrappedTwin) {
    // The two samples hold the same data, one depth step per line and wrapped.
    std::vector<std::tuple<std::wstring, std::wstring, Values>> loaded[2];
    const char* samples[] = {"well_log.las", "well_log_wrapped.las"};
    for (int i = 0; i < 2; ++i) {
        std::ifstream file(testing_support::Narrow(testing_support::SamplePath(samples[i])),
                           std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        LogLoad las;
        ASSERT_TRUE(las.Load(text)) << samples[i];
        for (const STRUCT_CURVE_ITEM& curve : las.curves.lstCurves)
            loaded[i].emplace_back(curve.strName, curve.strUnit, curve.vecValues);
    }
    ASSERT_EQ(loaded[0].size(), 9u);
    EXPECT_EQ(std::get<2>(loaded[0].front()).size(), 240u);
    EXPECT_EQ(loaded[1], loaded[0]);
}

TEST(WellLogLas, NullItemValuesBecomeMinus9999) {
    // A NULL matches within a thousandth: -999.2505 is null, -999.252 is not.
    const std::string data = "~A\n1000 -999.25 0\n1001 -999.2505 -999.252\n";
    const Values asRead{-999.25f, -999.2505f}, nulled(2, -9999.0f);
    const std::tuple<const char*, Values, Values> cases[] = {
        {" NULL.   -999.25 : null\n", nulled, {0.0f, -999.252f}},
        {" NULL.   -999.25(none) : null\n", nulled, {0.0f, -999.252f}},
        {" NULL.           : null\n", asRead, {-9999.0f, -999.252f}},
        {" NULL.   none    : null\n", asRead, {-9999.0f, -999.252f}},
        {"", asRead, {0.0f, -999.252f}}};
    for (const auto& [nullLine, gr, rt] : cases) {
        LogLoad las;
        ASSERT_TRUE(las.Load(LasHeader("NO", nullLine) + kThreeCurves + data)) << nullLine;
        EXPECT_EQ(las.Curve(1).vecValues, gr) << nullLine;
        EXPECT_EQ(las.Curve(2).vecValues, rt) << nullLine;
    }
}

// Loading by name covers plain depth and X conversion; here a null TVDSS, a
// lower-case coordinate name and a curve that is neither.
TEST(WellLogLas, DepthAndCoordinateCurvesAreConvertedToMetres) {
    LogLoad las;
    las.ConvertFeet();
    las.log.SetCoorUnit(COMMON::COOR_UNIT_IN);
    ASSERT_TRUE(las.Load(LasHeader() + "~Curve\n TVDSS.F : t\n dy.IN : y\n GR.API : g\n"
                                       "~A\n-999.25 10 45\n"));
    const std::pair<float, const wchar_t*> expected[] = {
        {-3047.6952f, L"M"}, {0.254f, L"M"}, {45.0f, L"API"}};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_FLOAT_EQ(las.Curve(i).vecValues.at(0), expected[i].first) << i;
        EXPECT_EQ(las.Curve(i).strUnit, expected[i].second) << i;
    }
}

STRUCT_CURVE_ITEM Chosen(const wchar_t* name, int column, Values values = {}) {
    STRUCT_CURVE_ITEM curve;
    curve.strName = curve.strType = name;
    curve.strUnit = L"ft";
    std::tie(curve.nColumn, curve.vecValues) = std::tie(column, values);
    return curve;
}

// The dialog's settings, its path columns among them, reach the loader as a copy.
TEST(WellLogLas, DialogCurvesAreReadAgainByOneBasedColumnsAfterTheCarriedPath) {
    LogLoad las, dialog;
    ASSERT_TRUE(las.ReadLas(LasHeader() + kThreeCurves + "~A\n1000 4.5 270\n1001 5 271\n"));
    las.reader.Clear(); // as after a dialog: the load reads the file again
    las.reader.EnsureSections();
    dialog.CarryPath();
    dialog.log.SetUserCurveList(true);
    las.log.CopySettingsFrom(dialog.log);
    las.curves.bWithWellPath = true;
    ASSERT_TRUE(las.log.SetCurves(
        {Chosen(L"RT", 3), Chosen(L"NONE", 0), Chosen(L"FAR", 9), Chosen(L"EXTRA", 1, {7.0f})}));
    ASSERT_TRUE(las.log.LoadLas());
    ASSERT_EQ(las.path.dqPoints.size(), 2u);
    EXPECT_EQ(las.path.dqPoints[1].uAzimOrX.fValue, 271.0f);
    EXPECT_TRUE(dialog.path.dqPoints.empty() && dialog.curves.lstCurves.empty());
    ASSERT_EQ(las.curves.lstCurves.size(), 4u);
    EXPECT_EQ(las.Curve(0).strName, L"RT");
    // Column 0 reads zeros; past the file's columns, and past its curve count, nothing is read.
    const Values expected[] = {{270, 271}, {0, 0}, {}, {7}};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(las.Curve(i).vecValues, expected[i]) << i;
}

TEST(WellLogTable, NullsColumnZeroAndConversion) {
    LogLoad table;
    std::string text = "DEPTH TVD GR\n";
    for (int i = 0; i < 9; ++i)
        text += std::to_string(1000 + i) + " 900 " + (i == 0 ? "-999.25" : "0.001") + "\n";
    table.Choose(text,
                 {Chosen(L"depth", 1), Chosen(L"TVD", 2), Chosen(L"GR", 3), Chosen(L"NONE", 0)});
    table.log.SetNullValues({-999.25f, 0.0f});
    table.ConvertFeet();
    ASSERT_TRUE(table.log.LoadTable());
    // Ten lines with a header row give nine values per curve; only DEPTH converts.
    ASSERT_EQ(table.Curve(0).vecValues.size(), 9u);
    EXPECT_FLOAT_EQ(table.Curve(0).vecValues[0], 1000 * 0.3048f);
    EXPECT_EQ(table.curves.lstCurves.front().strUnit, L"ft");
    EXPECT_EQ(table.Curve(1).vecValues[0], 900.0f);
    EXPECT_EQ(table.Curve(2).vecValues, Values(9, -9999.0f));
    EXPECT_EQ(table.Curve(3).vecValues, Values(9, -9999.0f));
}

TEST(WellLogTable, LogWithAPathLoadsMdInclAzimUnconvertedAndFailsWithNothingToLoad) {
    LogLoad table;
    EXPECT_FALSE(table.log.LoadTable());
    EXPECT_FALSE(table.log.SetCurves({}));
    table.Choose("DEPTH INCL AZIM GR\n1000 2.5 300 45\n1001 3 -999.25 46\n", {Chosen(L"GR", 4)});
    table.CarryPath();
    table.ConvertFeet();
    table.log.SetAzimuthToTrueNorth(true);
    testing_support::MessageCapture messages;
    // The null azimuth of the second row stops the load before any curve.
    EXPECT_FALSE(table.log.LoadLog());
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(table.Curve(0).vecValues.empty());
    ASSERT_EQ(table.path.dqPoints.size(), 1u);
    const COMMON::STRUCT_WELL_PATH_POINT& p = table.path.dqPoints[0];
    EXPECT_EQ(std::tie(p.fMD, p.fInclOrDepth, p.uAzimOrX.fValue), std::make_tuple(1000, 2.5, 300));

    table.Choose("DEPTH INCL AZIM GR\n1000 2.5 300 45\n", {Chosen(L"GR", 4)});
    EXPECT_TRUE(table.log.LoadLog());
    EXPECT_EQ(table.Curve(0).vecValues, (Values{45.0f}));
    table.reader.SetFilePath(testing_support::Widen(table.dir.Path() + "/missing.txt"));
    EXPECT_FALSE(table.log.LoadLog());
}

TEST(WellLogSettings, LenientConversionTakesTheLeadingNumber) {
    const wchar_t* texts[] = {L"-9.25", L" -2 (no)", L"+12.5e2x", L"1e",   L".5",   L"7.",
                              L"",      L"none",     L"-.e3",     L"0x10", L"\t42", L"1,5"};
    const double expected[] = {-9.25, -2, 1250.0, 1.0, 0.5, 7.0, 0.0, 0.0, 0.0, 0.0, 42, 1};
    for (size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(welldata::LenientToDouble(texts[i]), expected[i]) << i;
    EXPECT_TRUE(std::isinf(welldata::LenientToDouble(L"-1e999")));
}

} // namespace
