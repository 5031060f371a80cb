// The load object: the process-wide type, setters and Delete operations that
// leave other fields alone, copies that own their own workers.
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"

#include <gtest/gtest.h>

#include <tuple>

using COMMON::LDT_WELL_PATH;

TEST(LoadData, TheLastObjectConstructedDecidesTheProcessType) {
    CLoadData first(LDT_WELL_PATH);
    EXPECT_EQ(CLoadData::GetProcessLoadType(), LDT_WELL_PATH);
    CLoadData second(COMMON::LDT_MULTI_WELL_LOG);
    EXPECT_EQ(CLoadData::GetProcessLoadType(), COMMON::LDT_MULTI_WELL_LOG);
}

TEST(LoadData, SetWellHeadAndDeleteOperationsChangeOnlyTheirFields) {
    CLoadData data;
    auto& head = data.GetSingleWellHead();
    head.strWellType = L"oil";
    data.SetWellHead(nullptr, 1.5, 0, 0, 0, 0);
    EXPECT_TRUE(head.strWellName.empty());
    EXPECT_EQ(head.strWellType, L"oil");

    auto& path = data.GetWellPath();
    path.nDataType = 3;
    data.DeleteWellPath();
    EXPECT_EQ(path.nDataType, 3); // no points: nothing changes
    std::tie(path.bHasNullValue, path.nAngleUnit, path.fNullValue) = std::make_tuple(true, 1, 5.f);
    path.dqPoints.resize(2);
    data.DeleteWellPath();
    EXPECT_TRUE(path.dqPoints.empty());
    EXPECT_EQ(std::tie(path.nDataType, path.nAngleUnit, path.fNullValue, path.bHasNullValue),
              std::make_tuple(1, 0, 0.0f, true));

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
    EXPECT_TRUE(data.GetWellHead().empty() && data.GetRockCoreAnalyse().empty());
    EXPECT_TRUE(data.GetRockCoreDescribe().lstItems.empty() && data.GetWellLog().lstCurves.empty());
    EXPECT_EQ(data.GetRockCoreDescribe().strColumnName + data.GetWellLog().strGroupName, L"岩性g");
}

TEST(LoadData, CopiesAreDeepAndOwnTheirWorkers) {
    testing_support::FakeProgressCtrl bar;
    auto* original = new CLoadData(LDT_WELL_PATH, &bar);
    original->GetWellPath().dqPoints.resize(1);
    original->GetWellPath().dqPoints[0].uAzimOrX.dValue = 0.1;
    original->SetWellCurveUnitsInfo(true, COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_IN);

    CLoadData copy(*original);
    CLoadData assigned;
    assigned = *original;
    delete original; // destroying the source never frees the copies' workers

    for (CLoadData* data : {&copy, &assigned}) {
        ASSERT_EQ(data->GetWellPath().dqPoints.size(), 1u);
        EXPECT_EQ(data->GetWellPath().dqPoints[0].uAzimOrX.dValue, 0.1);
        bool settled = false;
        COMMON::ENUM_COOR_UNIT coor{}, depth{};
        data->GetWellCurveUnitsInfo(settled, coor, depth);
        EXPECT_EQ(std::tie(settled, coor, depth),
                  std::make_tuple(true, COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_IN));
        ASSERT_NE(data->GetData(), nullptr);
        EXPECT_TRUE(data->GetData()->empty());
    }
}
