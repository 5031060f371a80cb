#include "loaders/CWellLog.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

namespace {

using COMMON::STRUCT_CURVE_ITEM;
using Values = std::vector<float>;
using testing_support::LasHeader;

struct LasLoad : testing_support::ScratchFile {
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE curves;
    CWellLog log{&reader, &path, &curves};

    // Reads `text` and loads every curve of it, as loading a LAS file by name does.
    bool Load(const std::string& text) { return ReadLas(text) && log.LoadLas(); }
    // Reads `text` and drops its rows, as after a dialog: the load reads the file again.
    void ReadAndDropRows(const std::string& text) {
        ASSERT_TRUE(ReadLas(text));
        reader.Clear();
        reader.EnsureSections();
    }
    const STRUCT_CURVE_ITEM& Curve(size_t index) const {
        return *std::next(curves.lstCurves.begin(), static_cast<long>(index));
    }
};

const std::string kThreeCurves = "~Curve\n dept.M : depth\n gr .API : gamma\n Rt.OHMM : res\n";

TEST(WellLogLas, CurvesAreBuiltFromTheCurveSection) {
    testing_support::FakeProgressCtrl progress;
    LasLoad las;
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
    EXPECT_FALSE(LasLoad().log.LoadLas());
}

TEST(WellLogLas, AWrappedFileLoadsTheCurvesOfItsUnwrappedTwin) {
    // The two samples hold the same data, one depth step per line and wrapped.
    std::vector<std::tuple<std::wstring, std::wstring, Values>> loaded[2];
    const char* samples[] = {"well_log.las", "well_log_wrapped.las"};
    for (int i = 0; i < 2; ++i) {
        std::ifstream file(testing_support::Narrow(testing_support::SamplePath(samples[i])),
                           std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        LasLoad las;
        ASSERT_TRUE(las.Load(text)) << samples[i];
        for (const STRUCT_CURVE_ITEM& curve : las.curves.lstCurves)
            loaded[i].emplace_back(curve.strName, curve.strUnit, curve.vecValues);
    }
    ASSERT_EQ(loaded[0].size(), 9u);
    EXPECT_EQ(std::get<2>(loaded[0].front()).size(), 240u);
    EXPECT_EQ(loaded[1], loaded[0]);
}

TEST(WellLogLas, NullItemValuesBecomeMinus9999) {
    const std::string data = "~A\n1000 -999.25 0\n1001 -999.2505 -999.26\n";
    const Values asRead{-999.25f, -999.2505f}, nulled(2, -9999.0f);
    const std::tuple<const char*, Values, Values> cases[] = {
        {" NULL.   -999.25 : null\n", nulled, {0.0f, -999.26f}},
        {" NULL.   -999.25(none) : null\n", nulled, {0.0f, -999.26f}},
        {" NULL.           : null\n", asRead, {-9999.0f, -999.26f}},
        {" NULL.   none    : null\n", asRead, {-9999.0f, -999.26f}},
        {"", asRead, {0.0f, -999.26f}}};
    for (const auto& [nullLine, gr, rt] : cases) {
        LasLoad las;
        ASSERT_TRUE(las.Load(LasHeader("NO", nullLine) + kThreeCurves + data)) << nullLine;
        EXPECT_EQ(las.Curve(1).vecValues, gr) << nullLine;
        EXPECT_EQ(las.Curve(2).vecValues, rt) << nullLine;
    }
}

// Loading by name covers plain depth and X conversion; here a null TVDSS, a
// lower-case coordinate name and a curve that is neither.
TEST(WellLogLas, DepthAndCoordinateCurvesAreConvertedToMetres) {
    LasLoad las;
    las.log.SetConvertUnits(true);
    las.log.SetDepthUnit(COMMON::COOR_UNIT_FT);
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

STRUCT_CURVE_ITEM ChosenCurve(const wchar_t* name, int column, Values values = {}) {
    STRUCT_CURVE_ITEM curve;
    curve.strName = curve.strType = name;
    curve.nColumn = column;
    curve.vecValues = std::move(values);
    return curve;
}
TEST(WellLogLas, DialogCurvesAreReadAgainByTheirOneBasedColumns) {
    LasLoad las;
    las.ReadAndDropRows(LasHeader() + kThreeCurves + "~A\n1000 45 12\n1001 46 13\n");
    las.log.SetUserCurveList(true);
    ASSERT_TRUE(las.log.SetCurves({ChosenCurve(L"RT", 3), ChosenCurve(L"NONE", 0),
                                   ChosenCurve(L"FAR", 9), ChosenCurve(L"EXTRA", 1, {7.0f})}));
    ASSERT_TRUE(las.log.LoadLas());
    ASSERT_EQ(las.curves.lstCurves.size(), 4u);
    EXPECT_EQ(las.Curve(0).strName, L"RT");
    EXPECT_EQ(las.Curve(0).vecValues, (Values{12.0f, 13.0f}));
    EXPECT_EQ(las.Curve(1).vecValues, (Values{0.0f, 0.0f}));
    EXPECT_TRUE(las.Curve(2).vecValues.empty());
    // Only as many curves as the file has are loaded.
    EXPECT_EQ(las.Curve(3).vecValues, (Values{7.0f}));
}

TEST(WellLogLas, LogFileCarryingAWellPathLoadsThePathFirst) {
    LasLoad las;
    las.ReadAndDropRows(LasHeader() + kThreeCurves + "~A\n1000 4.5 270\n1001 5 271\n");
    las.curves.bWithWellPath = true;
    las.log.SetDataType(PATH_LOG_MD_INCL_AZIM);
    las.log.SetINCLColumn(1);
    las.log.SetAZIMColumn(2);
    ASSERT_TRUE(las.log.LoadLas());
    ASSERT_EQ(las.path.dqPoints.size(), 2u);
    EXPECT_EQ(las.path.dqPoints[1].uAzimOrX.fValue, 271.0f);
    EXPECT_EQ(las.Curve(2).vecValues, (Values{270.0f, 271.0f}));
}

} // namespace
