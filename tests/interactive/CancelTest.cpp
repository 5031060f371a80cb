// Cancel at each step of every ReadFile() road hands nothing over: in the file
// dialog, which shows the load type's title, filters and preselected file type,
// nothing changes; in the import dialog, only the records the road empties
// before its dialog opens are gone.
#include "Roads.h"

namespace {

// One record of every kind, so that a road that empties the wrong one shows.
void FillEveryRecord(CLoadData& load) {
    load.GetWellHead().emplace_back().strWellName = L"W1";
    load.GetWellPath().dqPoints.emplace_back().fMD = 1000.0f;
    load.GetWellLog().lstCurves.emplace_back().strName = L"GR";
    load.GetRockCoreAnalyse().emplace_back().strName = L"POR";
    load.GetRockCoreDescribe().strColumnName = L"岩性";
    load.GetRockCoreDescribe().lstItems.push_back({1601.0f, 1603.5f, L"砂岩"});
}

} // namespace

TEST(Cancel, AtEachStepOfEveryRoadHandsNothingOver) {
    using Empty = std::function<void(CLoadData&)>;
    const Empty logAndPath = [](CLoadData& load) {
        load.DeleteWellPath();
        load.DeleteWellLog();
    };
    const struct {
        COMMON::LOAD_DATA_TYPE type;
        int defaultFilterType;
        const char* title;
        int filterCount;
        int preselected;
        const char* sample;
        int fileType;
        const char* dialog;
        Empty emptied;
    } cases[] = {
        {COMMON::LDT_WELL_HEAD, 1, "加载井位", 1, 1, "well_heads.txt", 1, "CDlgImportWellHeads",
         [](CLoadData& load) { load.DeleteWellHead(); }},
        {COMMON::LDT_WELL_PATH, 1, "加载井数据", 1, 1, "well_path.txt", 1,
         "CDlgImportSingleWellPath", [](CLoadData& load) { load.DeleteWellPath(); }},
        // The well data types count from 3 in the host's numbering, never below the first.
        {COMMON::LDT_WELL_DATA, 2, "加载井数据", 4, 1, "well_log.txt", 1, "CDlgImportSingleWellLog",
         logAndPath},
        {COMMON::LDT_WELL_DATA, 4, "加载井数据", 4, 2, "rock_core_analysis.txt", 2,
         "CDlgRockCoreAnalyse", [](CLoadData& load) { load.DeleteRockCoreAnalyse(); }},
        {COMMON::LDT_WELL_DATA, 5, "加载井数据", 4, 3, "rock_core_describe.txt", 3,
         "CDlgRockCoreDescribe", [](CLoadData& load) { load.DeleteRockCoreDescribe(); }},
        {COMMON::LDT_WELL_DATA, 6, "加载井数据", 4, 4, "well_log.las", 4, "CDlgImportSingleWellLog",
         logAndPath},
    };
    testing_support::MessageCapture messages;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sample);
        CLoadData load(c.type);
        load.SetDefaultFilterFileType(c.defaultFilterType);
        FillEveryRecord(load);
        const std::string filled = road_test::Records(load);
        CLoadData expected(load);
        c.emptied(expected);

        auto cancelFile = uitest::WhenModal<CFileDialogExt>([&c](CFileDialogExt* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
            EXPECT_EQ(dialog->GetNameFilters().size(), c.filterCount);
            EXPECT_EQ(dialog->GetFilterIndex(), c.preselected);
            dialog->reject();
        });
        EXPECT_FALSE(load.ReadFile());
        EXPECT_TRUE(cancelFile->Fired());
        EXPECT_TRUE(load.GetLoadFileName().empty());
        EXPECT_EQ(road_test::Records(load), filled);

        EXPECT_FALSE(road_test::LoadThroughDialogs(load, testing_support::SamplePath(c.sample),
                                                   c.fileType, c.dialog,
                                                   [](QDialog& d) { uitest::PressCancel(&d); }));
        EXPECT_EQ(road_test::Records(load), road_test::Records(expected));
    }
    EXPECT_EQ(messages.Count(), 0u);
}
