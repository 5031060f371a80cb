// The loaders take the dialogs' choice records in the order and with the
// conditions of the dialogs' OK: what is handed over shows in what loads.
#include "loaders/CWellHead.h"
#include "loaders/CWellLog.h"
#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace COMMON;
using welldata::PathColumn;

namespace {

struct ChoiceHandover : testing::Test {
    testing_support::ScratchFile file;
    STRUCT_WELL_PATH path;
    STRUCT_WELL_CURVE curves;
    CWellLog log{&file.reader, &path, &curves};
};

TEST_F(ChoiceHandover, ALogPathOnlyWhenCompleteAndThenWithItsMd) {
    file.reader.SetHeaderSearch(true);
    file.Write("DEPTH INCL AZIM\n100 1 300\n");
    welldata::WellLogChoices choices;
    choices.curves.resize(1);
    choices.curves.front().nColumn = 1;
    choices.curves.front().strType = L"DEPTH";
    choices.withWellPath = true;
    choices.path.dataType = PATH_LOG_MD_INCL_AZIM;
    choices.path.columns = {1, 2};
    log.TakeChoices(choices);
    EXPECT_FALSE(curves.bWithWellPath) << "AZIM missing: no path, and no message";
    choices.path.Column(PathColumn::Azim) = 3;
    log.TakeChoices(choices);
    ASSERT_TRUE(curves.bWithWellPath);
    ASSERT_TRUE(log.LoadLog());
    const STRUCT_WELL_PATH_POINT& point = path.dqPoints.front();
    EXPECT_EQ(std::make_tuple(point.fMD, point.fInclOrDepth, point.uAzimOrX.fValue),
              std::make_tuple(100.0f, 1.0f, 300.0f));
    EXPECT_EQ(curves.lstCurves.front().vecValues, std::vector<float>{100});
}

TEST_F(ChoiceHandover, GroupNameOnlyWhenGivenAndSettingsPageDefaults) {
    curves.strGroupName = L"earlier";
    welldata::WellLogChoices choices;
    choices.curves.resize(1);
    choices.curves.front().strType = L"DEPTH";
    choices.curves.front().strUnit = L"英尺"; // each page writes its own units
    ASSERT_TRUE(log.TakeChoices(choices));
    EXPECT_EQ(curves.lstCurves.front().strUnit, L"英尺");
    EXPECT_EQ(curves.strGroupName, L"earlier");
    EXPECT_TRUE(log.HasUserCurveList());
    choices.groupName = L"新组";
    choices.groupMode = 0;
    ASSERT_TRUE(log.TakeMultiWellChoices(choices));
    EXPECT_EQ(curves.strGroupName, L"新组");
    EXPECT_EQ(curves.nGroupMode, 0);
    EXPECT_EQ(curves.lstCurves.front().strUnit, L"ft");
    choices.groupName.clear(); // the multi-well batch hands its name box over, empty or not
    ASSERT_TRUE(log.TakeMultiWellChoices(choices));
    EXPECT_EQ(curves.strGroupName, L"");
}

TEST_F(ChoiceHandover, WithoutExactlyOneDepthCurveOnlyTheSkipFlagIsHandedOver) {
    welldata::WellLogChoices choices;
    choices.skipNullValues = true;
    choices.nullValues = {-999.25f};
    choices.curves.resize(2);
    choices.curves.front().strType = L"DEPTH";
    choices.curves.back().strType = L"depth";
    for (bool multiWell : {false, true}) {
        SCOPED_TRACE(multiWell);
        const bool taken = multiWell ? log.TakeMultiWellChoices(choices) : log.TakeChoices(choices);
        EXPECT_FALSE(taken);
        EXPECT_TRUE(curves.lstCurves.empty());
        EXPECT_EQ(curves.vecNullValues, std::vector<float>{welldata::kNullValue});
    }
    EXPECT_TRUE(curves.bSkipNullValues) << "the single well dialog hands it before its check";
    choices.curves.pop_back();
    EXPECT_TRUE(log.TakeChoices(choices));
    EXPECT_EQ(curves.vecNullValues, std::vector<float>{-999.25f});
}

TEST(WellHeadHandover, OptionalColumnsWhenUsedUnitsWhenChosen) {
    testing_support::ScratchFile file;
    file.Write("N X Y KB TOP\nA 100 200 10 5\n");
    std::list<STRUCT_WELL_HEAD> heads;
    CWellHead loader(&file.reader, &heads);
    welldata::WellHeadChoices choices;
    std::tie(choices.nameColumn, choices.xColumn, choices.yColumn) = std::tuple(0, 1, 2);
    std::tie(choices.kbColumn, choices.topDepthColumn) = std::tuple(3, 4); // KB not used
    choices.topDepthUsed = true;
    choices.xUnit = choices.topDepthUnit = COOR_UNIT_FT; // not handed without unitsChosen
    loader.TakeChoices(choices);
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(std::make_tuple(heads.front().dX, heads.front().fKB, heads.front().fTopDepth),
              std::make_tuple(100.0, 0.0f, 5.0f));
    heads.clear();
    choices.unitsChosen = true;
    loader.TakeChoices(choices);
    ASSERT_TRUE(loader.Load());
    EXPECT_DOUBLE_EQ(heads.front().dX, 30.48);
    EXPECT_FLOAT_EQ(heads.front().fTopDepth, 1.524f);
    choices.xColumn = -1;
    EXPECT_EQ(std::wstring(welldata::WellHeadChoicesProblem(choices)), L"请指定井的X坐标。");
}

} // namespace
