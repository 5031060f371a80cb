// The records of a load as columns: the file column each came from, the unit
// the file declares beside the recorded one and which of them the values are
// in; and the names hosts give for units and columns.
#include "welldata/RecordColumns.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"

#include <gtest/gtest.h>

using namespace COMMON;
using namespace std::string_literals;
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
    EXPECT_EQ(welldata::DescribeUnitsNotHeld(columns),
              L"values are in the units the file declares, not the recorded: DEPTH ft (recorded "
              L"m), CALI cm (recorded m)");
    // Converted from feet, only the depth is in the recorded unit.
    const auto converted =
        welldata::LogColumns(load.GetWellLog(), load.GetLoadReport(), false, true);
    EXPECT_EQ(std::pair(converted[0].UnitUsed(), converted[2].UnitUsed()),
              std::pair(L"m"s, L"cm"s));
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
}

} // namespace
