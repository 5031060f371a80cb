// The load object: construction, the process-wide type, setters, Delete
// operations, copies that own their own workers.
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"

#include <gtest/gtest.h>

using COMMON::LDT_WELL_HEAD;
using COMMON::LDT_WELL_PATH;

TEST(LoadData, DefaultConstruction) {
    CLoadData data;
    EXPECT_EQ(CLoadData::GetProcessLoadType(), LDT_WELL_HEAD);
    EXPECT_EQ(data.GetFileType(), 1);
    EXPECT_EQ(data.GetDefaultFilterFileType(), 1);
    const COMMON::STRUCT_WELL_CURVE& curves = data.GetWellLog();
    EXPECT_EQ(curves.vecNullValues, std::vector<float>{-9999.0f});
    EXPECT_TRUE(curves.lstCurves.empty());
    EXPECT_EQ(curves.nGroupMode, 0);
    EXPECT_TRUE(curves.strGroupName.empty());
    EXPECT_TRUE(curves.bReserved);
    EXPECT_EQ(data.GetWellPath().nDataType, 1);
    EXPECT_EQ(data.GetWellPath().dReserved1, 0.0);
    bool settled = true;
    COMMON::ENUM_COOR_UNIT coor = COMMON::COOR_UNIT_CM, depth = COMMON::COOR_UNIT_CM;
    data.GetWellCurveUnitsInfo(settled, coor, depth);
    EXPECT_FALSE(settled);
    EXPECT_EQ(coor, COMMON::COOR_UNIT_M);
    EXPECT_EQ(depth, COMMON::COOR_UNIT_M);
    ASSERT_NE(data.GetData(), nullptr);
    EXPECT_TRUE(data.GetData()->empty());
}

TEST(LoadData, LastConstructedObjectDecidesTheProcessType) {
    CLoadData first(LDT_WELL_PATH);
    EXPECT_EQ(CLoadData::GetProcessLoadType(), LDT_WELL_PATH);
    CLoadData second(COMMON::LDT_MULTI_WELL_LOG);
    EXPECT_EQ(CLoadData::GetProcessLoadType(), COMMON::LDT_MULTI_WELL_LOG);
}

TEST(LoadData, WellHeadTableReportsTheLoaderColumns) {
    CLoadData data;
    int x = 9, y = 9, name = 9;
    EXPECT_TRUE(data.GetWellHeadTable(x, y, name));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(name, 0);
}

TEST(LoadData, SetWellHeadChangesOnlyItsFields) {
    CLoadData data;
    data.GetSingleWellHead().strWellType = L"oil";
    data.GetSingleWellHead().dX2 = 7;
    data.SetWellHead(L"井1", 1.5, 2.5, 30.f, 0.f, 2500.f);
    const auto& head = data.GetSingleWellHead();
    EXPECT_EQ(head.strWellName, L"井1");
    EXPECT_EQ(head.dX, 1.5);
    EXPECT_EQ(head.dY, 2.5);
    EXPECT_EQ(head.fKB, 30.f);
    EXPECT_EQ(head.fBottomDepth, 2500.f);
    EXPECT_EQ(head.strWellType, L"oil");
    EXPECT_EQ(head.dX2, 7.0);
    data.SetWellHead(nullptr, 0, 0, 0, 0, 0);
    EXPECT_TRUE(head.strWellName.empty());
}

TEST(LoadData, DeleteWellPathResetsOnlyWhenThereArePoints) {
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
}

TEST(LoadData, DeleteOperationsEmptyTheirResultOnly) {
    CLoadData data;
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
        bool settled = false;
        COMMON::ENUM_COOR_UNIT coor{}, depth{};
        data->GetWellCurveUnitsInfo(settled, coor, depth);
        EXPECT_TRUE(settled);
        EXPECT_EQ(coor, COMMON::COOR_UNIT_FT);
        EXPECT_EQ(depth, COMMON::COOR_UNIT_IN);
        ASSERT_NE(data->GetData(), nullptr);
    }
}
