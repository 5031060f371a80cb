// Loads with the choices a host gives instead of a dialog: each kind's records,
// a failure that says why, and never a message shown.
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"

#include <gtest/gtest.h>

using namespace COMMON;
using namespace std::string_literals;
using welldata::LoadError;
using welldata::PathColumn;

namespace {

class HeadlessLoad : public testing::Test {
protected:
    settings_test::ScopedSettingsFile settings{
        settings_test::SectionText("well_head", {"1=NAME", "3=X", "4=Y", "7=KB", "2=TYPE"}) +
        settings_test::SectionText("well_log",
                                   {"17=DEPTH 深度 DEPT", "30=RT 地层电阻率", "21=GR"}) +
        settings_test::SectionText("rock_core", {"55=TOP", "56=BOTTOM", "57=LITHOLOGY"}) +
        settings_test::SectionText("well_path",
                                   {"8=MD DEPTH", "15=INCL", "16=AZIM", "9=X", "10=Y", "11=Z"})};
    std::wstring Write(const std::string& text) { return dir.Write("table.txt", text); }
    welldata::TablePreview Preview(const std::string& text, welldata::TableKind kind) {
        return welldata::PreviewTable(Write(text), kind);
    }
    // The error and message of the last load, which must have failed.
    template <typename Choices>
    std::pair<LoadError, std::wstring> Failure(const std::string& text, const Choices& choices) {
        EXPECT_FALSE(load.ReadFile(Write(text), choices));
        return {load.GetLastFailure().error, load.GetLastFailure().message};
    }
    // A headless load shows nothing, whatever happens.
    void TearDown() override { EXPECT_EQ(messages.Count(), 0u); }

    testing_support::ScratchDir dir;
    testing_support::MessageCapture messages;
    CLoadData load{LDT_WELL_DATA};
};

TEST_F(HeadlessLoad, WellHeadsFromRecognisedColumnsWithTheirUnits) {
    const std::string table = "NAME X Y KB TYPE\nA1 1000 2000 100 oil\nA2 10 20 5 gas\n";
    welldata::WellHeadChoices choices =
        welldata::SuggestWellHeadChoices(Preview(table, welldata::TableKind::WellHead));
    EXPECT_TRUE(choices.kbUsed && choices.wellTypeUsed && !choices.topDepthUsed);
    choices.unitsChosen = true;
    choices.xUnit = COOR_UNIT_FT;
    ASSERT_TRUE(load.ReadFile(Write(table), choices));
    ASSERT_EQ(load.GetWellHead().size(), 2u);
    const STRUCT_WELL_HEAD& first = load.GetWellHead().front();
    EXPECT_EQ(std::tie(first.strWellName, first.strWellType, first.dY2, first.fKB),
              std::make_tuple(L"A1", L"oil", 2000.0, 100.0f));
    EXPECT_DOUBLE_EQ(first.dX, 304.8);
    EXPECT_EQ(load.GetData()->size(), 3u) << "a well head load leaves its rows";
    choices.yColumn = -1;
    EXPECT_EQ(Failure(table, choices), std::pair(LoadError::MissingColumn, L"请指定井的Y坐标。"s));
}

TEST_F(HeadlessLoad, PathFailuresSayWhy) {
    welldata::PathColumnAssignment assignment;
    assignment.dataType = PATH_TVD_X_Y;
    assignment.Column(PathColumn::Tvd) = 1;
    assignment.Column(PathColumn::X) = 2;
    EXPECT_EQ(
        Failure("TVD X Y\n1 2 3\n", assignment),
        std::pair(LoadError::IncompletePath, L"井轨迹数据不完整，请重新选择或校正数据文件。"s));
    assignment.Column(PathColumn::Y) = 3;
    assignment.Column(PathColumn::Md) = 1;
    EXPECT_EQ(Failure("TVD X Y\n1 2 3\n2 -999.25 3\n", assignment),
              std::pair(LoadError::NullInPath, L"轨迹数据中含有空值，请检查之后重试。"s));
    EXPECT_EQ(load.GetWellPath().dqPoints.size(), 1u) << "the points before the null stay";
    EXPECT_EQ(Failure("TVD X Y\n", assignment), std::pair(LoadError::NoData, L""s));
}

TEST_F(HeadlessLoad, LogTableWithTheSuggestedCurvesAndAPath) {
    const std::string table = "title line\n#DEPTH RT GR X Y\n"
                              "1000 12 -999.25 5 6\n1000.5 13 40 5.5 6.5\n";
    welldata::WellLogChoices choices =
        welldata::SuggestWellLogChoices(Preview(table, welldata::TableKind::WellLog));
    ASSERT_EQ(choices.curves.size(), 5u);
    choices.curves.front().strUnit = L"英尺";
    std::next(choices.curves.begin())->strUnit = L"欧姆·米";
    choices.nullValues = {-999.25f};
    choices.convertUnits = true;
    choices.depthUnit = COOR_UNIT_FT;
    choices.withWellPath = true;
    choices.path.dataType = PATH_X_Y_Z;
    choices.path.columns = {1, 0, 0, 0, 0, 0, 4, 5, 2};
    ASSERT_TRUE(load.ReadFile(Write(table), choices));
    const auto& curves = load.GetWellLog().lstCurves;
    const STRUCT_CURVE_ITEM& depth = curves.front();
    // The single well import keeps foot as written.
    EXPECT_EQ(std::tie(depth.strName, depth.strDisplayName, depth.strUnit),
              std::make_tuple(L"DEPTH", L"深度", L"英尺"));
    EXPECT_FLOAT_EQ(depth.vecValues.front(), 304.8f);
    const STRUCT_CURVE_ITEM& rt = *std::next(curves.begin());
    EXPECT_TRUE(rt.bLogarithmic && rt.strUnit == L"Ω·M");
    EXPECT_EQ(std::next(curves.begin(), 2)->vecValues.front(), welldata::kNullValue);
    ASSERT_EQ(load.GetWellPath().dqPoints.size(), 2u);
    EXPECT_EQ(load.GetWellPath().dqPoints.back().uAzimOrX.dValue, 5.5);

    // Both depth curve problems, and a path asked for without its columns.
    choices.curves.back().strType = L"Depth";
    EXPECT_EQ(Failure(table, choices),
              std::pair(LoadError::DepthCurveCount,
                        L"添加井曲线时,有且仅有一个深度道,请确认之后重试。"s));
    choices.curves.clear();
    EXPECT_EQ(Failure(table, choices).second, L"添加井曲线时,必须有深度,请确认之后重试。");
    choices = welldata::SuggestWellLogChoices(Preview(table, welldata::TableKind::WellLog));
    choices.withWellPath = true;
    EXPECT_EQ(Failure(table, choices).first, LoadError::IncompletePath);
}

TEST_F(HeadlessLoad, RockCoreTables) {
    const std::string table = "TOP BOTTOM LITHOLOGY\n1601 1603.5 sandstone\n1603.5 1604 shale\n";
    welldata::CoreDescriptionChoices description = welldata::SuggestCoreDescriptionChoices(
        Preview(table, welldata::TableKind::CoreDescription));
    ASSERT_TRUE(load.ReadFile(Write(table), description));
    const auto& intervals = load.GetRockCoreDescribe().lstItems;
    ASSERT_EQ(intervals.size(), 2u);
    EXPECT_EQ(std::tie(intervals.back().strDescribe, intervals.back().fTop),
              std::make_tuple(L"shale", 1603.5f));
    EXPECT_EQ(load.GetRockCoreDescribe().strColumnName, L"LITHOLOGY");

    welldata::CoreAnalysisChoices analysis =
        welldata::SuggestCoreAnalysisChoices(Preview(table, welldata::TableKind::CoreAnalysis));
    analysis.columns.pop_back();
    ASSERT_TRUE(load.ReadFile(Write(table), analysis));
    const auto& columns = load.GetRockCoreAnalyse();
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns.back().strName, L"BOTTOM");
    EXPECT_EQ(columns.back().vecValues, (std::vector<float>{1603.5f, 1604}));

    EXPECT_EQ(Failure(table, welldata::CoreAnalysisChoices()).first, LoadError::NoData);
}

TEST_F(HeadlessLoad, FileProblemsSayWhyWithoutABox) {
    const welldata::CoreDescriptionChoices choices;
    EXPECT_FALSE(load.ReadFile(L"", choices));
    EXPECT_EQ(load.GetLastFailure().error, LoadError::NoFile);
    EXPECT_FALSE(load.ReadFile(dir.Write("missing/none.txt", ""), choices));
    EXPECT_EQ(load.GetLastFailure().error, LoadError::CannotOpen);
    EXPECT_EQ(load.GetLastFailure().message, L"打开文件失败。");
    EXPECT_EQ(Failure("\n\n", choices).first, LoadError::NoText);
    welldata::WellLogChoices log;
    log.curves.resize(1);
    log.curves.front().strType = L"DEPTH";
    EXPECT_EQ(Failure("NAME GR\n1 2\n", log),
              std::pair(LoadError::NoDepthHeader,
                        L"加载井曲线数据时，指定了非法的数据文件，请确认之后重试。"s));
    EXPECT_TRUE(Preview("NAME GR\n", welldata::TableKind::WellLog).failure.Failed());
}

TEST_F(HeadlessLoad, PathLayoutsAreTriedInOrderOnNumericColumns) {
    welldata::PathColumnAssignment found;
    // MD, INCL, AZIM comes first when its columns are all there.
    ASSERT_TRUE(welldata::DetectPathLayout(
        Preview("MD INCL AZIM TVD X Y\n1 2 3 4 5 6\n", welldata::TableKind::WellPath), found));
    EXPECT_EQ(found.dataType, PATH_MD_INCL_AZIM);
    EXPECT_EQ(found.columns, (std::array<std::uint16_t, 9>{1, 2, 3}));
    // A column whose first value is text is never taken: the X, Y, Z layout
    // needs no MD, so it is found although the MD column is text.
    const auto text = Preview("DEPTH X Y Z\nnone 5 6 7\n", welldata::TableKind::WellPath);
    ASSERT_TRUE(welldata::DetectPathLayout(text, found));
    EXPECT_EQ(found.dataType, PATH_X_Y_Z);
    EXPECT_FALSE(found.hasMd);
    EXPECT_EQ(found.Column(PathColumn::Z), 4);
    EXPECT_FALSE(
        welldata::DetectPathLayout(Preview("A B\n1 2\n", welldata::TableKind::WellPath), found));
}

} // namespace
