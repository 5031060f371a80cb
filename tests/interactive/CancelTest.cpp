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
    // The type, the host's default filter type, the title, filter count and
    // preselected (and answered) file type, the sample, the import dialog and
    // what the road empties. Well data types count from 3 for the host.
    const std::tuple<COMMON::LOAD_DATA_TYPE, int, const char*, int, int, const char*, const char*,
                     Empty>
        cases[] = {
            {COMMON::LDT_WELL_HEAD, 1, "加载井位", 1, 1, "well_heads.txt", "CDlgImportWellHeads",
             [](CLoadData& load) { load.DeleteWellHead(); }},
            {COMMON::LDT_WELL_PATH, 1, "加载井数据", 1, 1, "well_path.txt",
             "CDlgImportSingleWellPath", [](CLoadData& load) { load.DeleteWellPath(); }},
            {COMMON::LDT_WELL_DATA, 2, "加载井数据", 4, 1, "well_log.txt",
             "CDlgImportSingleWellLog", logAndPath},
            {COMMON::LDT_WELL_DATA, 4, "加载井数据", 4, 2, "rock_core_analysis.txt",
             "CDlgRockCoreAnalyse", [](CLoadData& load) { load.DeleteRockCoreAnalyse(); }},
            {COMMON::LDT_WELL_DATA, 5, "加载井数据", 4, 3, "rock_core_describe.txt",
             "CDlgRockCoreDescribe", [](CLoadData& load) { load.DeleteRockCoreDescribe(); }},
            {COMMON::LDT_WELL_DATA, 6, "加载井数据", 4, 4, "well_log.las",
             "CDlgImportSingleWellLog", logAndPath},
        };
    testing_support::MessageCapture messages;
    for (const auto& [type, defaultType, title, filters, preselected, sample, dialog, emptied] :
         cases) {
        SCOPED_TRACE(sample);
        CLoadData load(type);
        load.SetDefaultFilterFileType(defaultType);
        FillEveryRecord(load);
        const std::string filled = road_test::Records(load);
        CLoadData expected(load);
        emptied(expected);
        auto cancelFile = uitest::WhenModal<CFileDialogExt>([&](CFileDialogExt* fileDialog) {
            EXPECT_EQ(fileDialog->windowTitle(), QString::fromUtf8(title));
            EXPECT_EQ(fileDialog->GetNameFilters().size(), filters);
            EXPECT_EQ(fileDialog->GetFilterIndex(), preselected);
            fileDialog->reject();
        });
        EXPECT_FALSE(load.ReadFile());
        EXPECT_TRUE(cancelFile->Fired() && load.GetLoadFileName().empty());
        EXPECT_EQ(road_test::Records(load), filled);
        EXPECT_FALSE(road_test::LoadThroughDialogs(load, testing_support::SamplePath(sample),
                                                   preselected, dialog,
                                                   [](QDialog& d) { uitest::PressCancel(&d); }));
        EXPECT_EQ(road_test::Records(load), road_test::Records(expected));
    }
    EXPECT_EQ(messages.Count(), 0u);
}
