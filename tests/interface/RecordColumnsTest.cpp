// The records of a load as columns: the file column each came from, the unit
// the file declares beside the recorded one and which of them the values are
// in; and the names hosts show for units, path layouts and their columns.
#include "welldata/RecordColumns.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"

#include <gtest/gtest.h>

using namespace COMMON;
using welldata::PathColumn;
using welldata::RecordColumn;

namespace {

// Per column: name, file column, recorded unit, declared unit, unit used.
using Units = std::vector<std::tuple<std::wstring, int, std::wstring, std::wstring, std::wstring>>;

Units UnitsOf(const std::vector<RecordColumn>& columns) {
    Units units;
    for (const RecordColumn& c : columns)
        units.emplace_back(c.name, c.fileColumn, c.unit, c.declaredUnit, c.UnitUsed());
    return units;
}

class RecordColumnsTest : public testing::Test {
protected:
    settings_test::ScopedSettingsFile settings{settings_test::SectionText(
        "well_log", {"17=DEPTH 深度 DEPT", "21=GR 自然伽马", "30=RT 地层电阻率"})};
    std::wstring Write(const std::string& text) { return dir.Write("table.txt", text); }

    testing_support::ScratchDir dir;
    CLoadData load{LDT_WELL_DATA};
};

TEST_F(RecordColumnsTest, LogTablesKeepTheFileUnitsUnlessConverted) {
    const std::string table = "DEPTH\tGR\tCALI\nft\tAPI\tcm\n1000\t80\t21\n";
    welldata::WellLogChoices choices = welldata::SuggestWellLogChoices(
        welldata::PreviewTable(Write(table), welldata::TableKind::WellLog));
    for (COMMON::STRUCT_CURVE_ITEM& curve : choices.curves)
        curve.strUnit = curve.strName == L"GR" ? L"API" : L"m";
    ASSERT_TRUE(load.ReadFile(Write(table), choices));
    const auto columns =
        welldata::LogColumns(load.GetWellLog(), load.GetLoadReport(), false, false);
    EXPECT_EQ(UnitsOf(columns), (Units{{L"DEPTH", 0, L"m", L"ft", L"ft"},
                                       {L"GR", 1, L"API", L"API", L"API"},
                                       {L"CALI", 2, L"m", L"cm", L"cm"}}));
    EXPECT_EQ(columns[1].displayName, L"自然伽马");
    EXPECT_TRUE(columns[0].UnitsDiffer() && !columns[1].UnitsDiffer());
    EXPECT_EQ(welldata::DescribeUnitsNotHeld(columns),
              L"values are in the units the file declares, not the recorded: DEPTH ft (recorded "
              L"m), CALI cm (recorded m)");
    // Converted from feet, the depth is in the recorded unit.
    const auto converted =
        welldata::LogColumns(load.GetWellLog(), load.GetLoadReport(), false, true);
    EXPECT_EQ(converted[0].UnitUsed(), L"m");
    EXPECT_EQ(converted[2].UnitUsed(), L"cm") << "only the depth curve is converted";
}

TEST_F(RecordColumnsTest, LasCurvesGetDisplayNamesAndHoldTheirUnits) {
    load.SetWellCurveUnitsInfo(true, COOR_UNIT_M, COOR_UNIT_FT);
    ASSERT_TRUE(load.ReadFile(Write(testing_support::LasHeader() +
                                    "~C\n DEPT.F : d\n GR.GAPI : g\n XX.V : x\n~A\n1000 40 2\n")));
    const auto columns = welldata::LogColumns(load.GetWellLog(), load.GetLoadReport(), true, false);
    EXPECT_EQ(UnitsOf(columns), (Units{{L"DEPTH", 0, L"M", L"F", L"M"},
                                       {L"GR", 1, L"GAPI", L"GAPI", L"GAPI"},
                                       {L"XX", 2, L"V", L"V", L"V"}}));
    EXPECT_EQ(columns[0].displayName, L"深度");
    EXPECT_EQ(columns[2].displayName, L"") << "a curve the settings file does not know";
    EXPECT_EQ(columns[0].Number(0), 304.8f);
    EXPECT_TRUE(welldata::DescribeUnitsNotHeld(columns).empty());
}

TEST_F(RecordColumnsTest, PathsInTheirLayoutWithTheirPositions) {
    const std::string table = "MD\tINCL\tAZIM\nft\tdeg\tdeg\n0\t0\t0\n100\t0\t0\n200\t10\t90\n";
    welldata::PathColumnAssignment choices;
    choices.dataType = PATH_MD_INCL_AZIM;
    choices.columns = {1, 2, 3};
    ASSERT_TRUE(load.ReadFile(Write(table), choices));
    auto columns = welldata::PathColumns(load.GetWellPath(), load.GetLoadReport(), choices);
    EXPECT_EQ(UnitsOf(columns), (Units{{L"MD", 0, L"m", L"ft", L"ft"},
                                       {L"INCL", 1, L"deg", L"deg", L"deg"},
                                       {L"AZIM", 2, L"deg", L"deg", L"deg"}}));
    choices.convertUnits = true;
    choices.depthUnit = COOR_UNIT_FT;
    ASSERT_TRUE(load.ReadFile(Write(table), choices));
    columns = welldata::PathColumns(load.GetWellPath(), load.GetLoadReport(), choices);
    EXPECT_EQ(columns[0].UnitUsed(), L"m");
    EXPECT_FLOAT_EQ(static_cast<float>(columns[0].Number(1)), 30.48f);

    const welldata::WellPathPositions positions(load.GetWellPath(),
                                                welldata::WellHeadLocation{500, 600, 10});
    const auto stations = welldata::PositionColumns(positions, columns);
    std::vector<std::wstring> names;
    for (const RecordColumn& column : stations)
        names.push_back(column.name);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"MD", L"TVD", L"TVDSS", L"NORTH", L"EAST", L"X",
                                                L"Y", L"DLS"}));
    EXPECT_EQ(std::tie(stations[1].unit, stations[1].declaredUnit), std::tuple(L"m", L"ft"));
    EXPECT_NEAR(stations[2].Number(1), 30.48 - 10, 1e-5);
    EXPECT_DOUBLE_EQ(stations[5].Number(0), 500);
    EXPECT_EQ(stations[7].unit, L"deg/30m");
    EXPECT_GT(stations[7].Number(2), 0.0);
}

TEST_F(RecordColumnsTest, WellHeadsAndRockCoreTables) {
    const std::string table = "NAME X Y KB\nm m m ft\nA1 1000 2000 100\n";
    welldata::WellHeadChoices heads;
    std::tie(heads.nameColumn, heads.xColumn, heads.yColumn, heads.kbColumn) =
        std::tuple(0, 1, 2, 3);
    heads.kbUsed = true;
    ASSERT_TRUE(load.ReadFile(Write(table), heads));
    EXPECT_EQ(UnitsOf(welldata::WellHeadColumns(load.GetWellHead(), load.GetLoadReport(), heads)),
              (Units{{L"NAME", 0, L"", L"m", L"m"},
                     {L"X", 1, L"m", L"m", L"m"},
                     {L"Y", 2, L"m", L"m", L"m"},
                     {L"KB", 3, L"m", L"ft", L"ft"}}));

    const std::string cores = "TOP BOTTOM POR\nft ft %\n1601 1603 21.5\n";
    welldata::CoreDescriptionChoices description;
    std::tie(description.topColumn, description.bottomColumn) = std::tuple(0, 1);
    ASSERT_TRUE(load.ReadFile(Write(cores), description));
    const auto intervals = welldata::CoreDescriptionColumns(load.GetRockCoreDescribe(),
                                                            load.GetLoadReport(), description);
    EXPECT_EQ(UnitsOf(intervals), (Units{{L"TOP", 0, L"m", L"ft", L"ft"},
                                         {L"BOTTOM", 1, L"m", L"ft", L"ft"},
                                         {L"DESCRIPTION", -1, L"", L"", L""}}));
    EXPECT_TRUE(intervals[2].IsText() && intervals[2].IsNull(0));
    ASSERT_TRUE(
        load.ReadFile(Write(cores), welldata::SuggestCoreAnalysisChoices(welldata::PreviewTable(
                                        Write(cores), welldata::TableKind::CoreAnalysis))));
    const auto analysis =
        welldata::CoreAnalysisColumns(load.GetRockCoreAnalyse(), load.GetLoadReport());
    EXPECT_EQ(std::get<4>(UnitsOf(analysis)[2]), L"%") << "no recorded unit: the file's is used";
}

TEST(RecordNames, UnitsLayoutsColumnsAndSkipReasons) {
    COMMON::ENUM_COOR_UNIT unit = COOR_UNIT_M;
    for (int code = COOR_UNIT_M; code <= COOR_UNIT_CM; ++code) {
        const auto expected = static_cast<COMMON::ENUM_COOR_UNIT>(code);
        EXPECT_TRUE(welldata::FindCoorUnit(welldata::CoorUnitName(expected), unit));
        EXPECT_EQ(unit, expected);
    }
    EXPECT_TRUE(welldata::FindCoorUnit(L"FT", unit) && unit == COOR_UNIT_FT);
    EXPECT_FALSE(welldata::FindCoorUnit(L"yd", unit));
    EXPECT_STREQ(welldata::CoorUnitName(static_cast<COMMON::ENUM_COOR_UNIT>(9)), L"m");

    EXPECT_STREQ(welldata::PathLayoutName(PATH_LOG_MD_INCL_AZIM), L"MD, INCL, AZIM");
    EXPECT_STREQ(welldata::PathLayoutName(7), L"unknown");
    welldata::PathColumnAssignment assignment;
    assignment.dataType = PATH_TVD_X_Y;
    assignment.Column(PathColumn::X) = 2;
    EXPECT_EQ(welldata::MissingPathColumns(assignment),
              (std::vector<PathColumn>{PathColumn::Md, PathColumn::Tvd, PathColumn::Y}));

    const std::vector<std::wstring> names{L"DEPTH", L"#GR", L"岩性"};
    EXPECT_EQ(welldata::FindColumnByName(names, L"depth"), 0);
    EXPECT_EQ(welldata::FindColumnByName(names, L"gr"), 1);
    EXPECT_EQ(welldata::FindColumnByName(names, L"#DEPTH"), 0);
    EXPECT_EQ(welldata::FindColumnByName(names, L"RT"), -1);
}

TEST(RecordCells, NumbersReadBackAsTheValueStoredAndTextsAsTheyStand) {
    // The type the record stores decides the digits: 0.1f is not 0.1.
    EXPECT_EQ(welldata::NumberText(0.1F), "0.1");
    EXPECT_EQ(welldata::NumberText(static_cast<double>(0.1F)), "0.10000000149011612");
    EXPECT_EQ(welldata::NumberText(20512345.25), "20512345.25"); // no exponent from 1 to 1e15
    EXPECT_EQ(welldata::NumberText(-999.25F), "-999.25");
    EXPECT_EQ(welldata::NumberText(2.5e-7), "2.5e-07");
    EXPECT_EQ(welldata::NumberText(1e20), "1e+20");
    EXPECT_EQ(welldata::NumberText(0.0), "0");
    RecordColumn column;
    column.values = std::vector<std::wstring>{L"砂岩", L""};
    EXPECT_EQ(welldata::CellText(column, 0), "砂岩");
    column.values = std::vector<double>{4376210.5};
    EXPECT_EQ(welldata::CellText(column, 0), "4376210.5");
}

} // namespace
