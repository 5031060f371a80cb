// The load object: construction, the process-wide type, setters, Delete
// operations, copies that own their own workers.
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using COMMON::LDT_WELL_HEAD;
using COMMON::LDT_WELL_PATH;

namespace {

// Whether the units of `data` are settled, its coordinate unit and depth unit.
std::tuple<bool, COMMON::ENUM_COOR_UNIT, COMMON::ENUM_COOR_UNIT> Units(const CLoadData& data) {
    bool settled = true;
    COMMON::ENUM_COOR_UNIT coor = COMMON::COOR_UNIT_CM, depth = COMMON::COOR_UNIT_CM;
    data.GetWellCurveUnitsInfo(settled, coor, depth);
    return {settled, coor, depth};
}

} // namespace

TEST(LoadData, DefaultConstructionAndTheProcessType) {
    CLoadData data;
    EXPECT_EQ(CLoadData::GetProcessLoadType(), LDT_WELL_HEAD);
    EXPECT_EQ(data.GetFileType(), 1);
    EXPECT_EQ(data.GetDefaultFilterFileType(), 1);
    EXPECT_EQ(data.GetWellLog().vecNullValues, std::vector<float>{-9999.0f});
    EXPECT_EQ(Units(data), std::make_tuple(false, COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M));
    ASSERT_NE(data.GetData(), nullptr);
    EXPECT_TRUE(data.GetData()->empty());
    int x = 9, y = 9, name = 9; // the well head loader's columns
    EXPECT_TRUE(data.GetWellHeadTable(x, y, name));
    EXPECT_EQ(x + y + name, 0);

    // The last object constructed decides the type of the process.
    CLoadData first(LDT_WELL_PATH);
    EXPECT_EQ(CLoadData::GetProcessLoadType(), LDT_WELL_PATH);
    CLoadData second(COMMON::LDT_MULTI_WELL_LOG);
    EXPECT_EQ(CLoadData::GetProcessLoadType(), COMMON::LDT_MULTI_WELL_LOG);
}

TEST(LoadData, SetWellHeadChangesOnlyItsFields) {
    CLoadData data;
    data.GetSingleWellHead().strWellType = L"oil";
    data.GetSingleWellHead().dX2 = 7;
    data.SetWellHead(L"井1", 1.5, 2.5, 30.f, 0.f, 2500.f);
    const auto& head = data.GetSingleWellHead();
    EXPECT_EQ(head.strWellName, L"井1");
    EXPECT_EQ(head.dX + head.dY, 4.0);
    EXPECT_EQ(head.fKB, 30.f);
    EXPECT_EQ(head.fBottomDepth, 2500.f);
    EXPECT_EQ(head.strWellType, L"oil");
    EXPECT_EQ(head.dX2, 7.0);
    data.SetWellHead(nullptr, 0, 0, 0, 0, 0);
    EXPECT_TRUE(head.strWellName.empty());
}

TEST(LoadData, DeleteOperationsEmptyTheirResultOnly) {
    CLoadData data;
    auto& path = data.GetWellPath();
    path.nDataType = 3;
    path.nAngleUnit = 1;
    path.fNullValue = 5;
    data.DeleteWellPath();
    EXPECT_EQ(path.nDataType, 3); // no points: nothing changes
    path.bHasNullValue = true;
    path.dqPoints.resize(2);
    data.DeleteWellPath();
    EXPECT_TRUE(path.dqPoints.empty());
    EXPECT_EQ(path.nDataType, 1);
    EXPECT_EQ(path.nAngleUnit, 0);
    EXPECT_EQ(path.fNullValue, 0.0f);
    EXPECT_TRUE(path.bHasNullValue);

    data.GetWellHead().resize(2);
    data.GetRockCoreAnalyse().resize(2);
    data.GetRockCoreDescribe().strColumnName = L"岩性";
    data.GetRockCoreDescribe().lstItems.resize(3);
    data.GetWellLog().lstCurves.resize(2);
    data.GetWellLog().strGroupName = L"g";
    data.DeleteWellHead();
    data.DeleteRockCoreAnalyse();
    data.DeleteRockCoreDescribe();
    data.DeleteWellLog();
    EXPECT_TRUE(data.GetWellHead().empty());
    EXPECT_TRUE(data.GetRockCoreAnalyse().empty());
    EXPECT_TRUE(data.GetRockCoreDescribe().lstItems.empty());
    EXPECT_EQ(data.GetRockCoreDescribe().strColumnName, L"岩性");
    EXPECT_TRUE(data.GetWellLog().lstCurves.empty());
    EXPECT_EQ(data.GetWellLog().strGroupName, L"g");
}

TEST(LoadData, CopiesAreDeepAndOwnTheirWorkers) {
    testing_support::FakeProgressCtrl bar;
    auto original = std::make_unique<CLoadData>(LDT_WELL_PATH, &bar);
    original->GetWellPath().nDataType = 2;
    original->GetWellPath().dqPoints.resize(1);
    original->GetWellPath().dqPoints[0].uAzimOrX.dValue = 0.1;
    original->SetWellCurveUnitsInfo(true, COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_IN);

    CLoadData copy(*original);
    CLoadData assigned;
    assigned = *original;
    original.reset(); // destroying the source never frees the copies' workers

    for (CLoadData* data : {&copy, &assigned}) {
        EXPECT_EQ(data->GetWellPath().nDataType, 2);
        ASSERT_EQ(data->GetWellPath().dqPoints.size(), 1u);
        EXPECT_EQ(data->GetWellPath().dqPoints[0].uAzimOrX.dValue, 0.1);
        EXPECT_EQ(Units(*data), std::make_tuple(true, COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_IN));
        ASSERT_NE(data->GetData(), nullptr);
    }
}
