// The multi-well road end to end: ReadFileMuilti reads the headers of the
// host's files, writes the union of their curve names to "MultiHeader.txt"
// (compared byte for byte with the file it must be), and the multi-well
// dialog, driven as a user drives it, leaves the chosen curve settings in the
// curve group record. Files that cannot be read leave the host's list with one
// message; a header file that cannot be written is not reported.
#include "Roads.h"
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "interface/MultiWellHeader.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "uisupport/ListDriver.h"
#include "welldata/Settings.h"

#include <QLineEdit>

using Dlg = CDlgImportMultiWellLogs;
using SettingPage = CDlgSingleWellLogSetting;
using testing_support::FileBytes;
using testing_support::MessageCapture;
using welldata::MultiWellHeader;

namespace {

class MultiWellRoad : public testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
        MultiWellHeader::SetFolder(testing_support::Widen(dir.Path()));
    }
    void TearDown() override {
        MultiWellHeader::SetFolder(L"");
        welldata::SetSettingsFilePath(L"");
    }

    // ReadFileMuilti on a multi-well load object, the dialog driven by `drive`.
    bool Prepare(std::vector<std::wstring>& list, bool listHoldsFiles,
                 const std::function<void(Dlg&)>& drive) {
        auto driver = uitest::WhenModal<Dlg>([&drive](Dlg* dialog) { drive(*dialog); });
        const bool prepared = load.ReadFileMuilti(list, listHoldsFiles);
        dialogShown = driver->Fired();
        EXPECT_TRUE(load.GetData()->empty()); // the reader is cleared
        return prepared;
    }

    std::wstring HeaderPath() const { return MultiWellHeader::FilePath(); }

    testing_support::ScratchDir dir;
    CLoadData load{COMMON::LDT_MULTI_WELL_LOG};
    MessageCapture messages;
    bool dialogShown = false;
};

} // namespace

TEST_F(MultiWellRoad, TheUnionOfTheGoodFilesCurvesBecomesTheBatchsCurveSettings) {
    load.SetLoadDataFormat(COMMON::WLDF_LAS);
    std::vector<std::wstring> list;
    for (const char* name : {"well_a.las", "well_b.las", "well_c.las"}) // b is no LAS file
        list.push_back(testing_support::DataPath(std::string("multiwell/") + name));
    const std::vector<std::wstring> good{list[0], list[2]};
    ASSERT_TRUE(Prepare(list, true, [](Dlg& d) {
        CEditListCtrl* curves = d.GetDataPage()->GetCurveList();
        ASSERT_EQ(curves->rowCount(), 45);
        EXPECT_EQ(curves->GetItemText(2, CEditListCtrl::kCurveNameColumn) + "|" +
                      curves->GetItemText(2, CEditListCtrl::kCurveTypeColumn),
                  "声波|AC");
        // Only DEPTH, GR and the sonic are loaded for the batch.
        ASSERT_TRUE(uitest::ChooseContextCommand(curves->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_UNCHECK_ALL));
        for (int row : {0, 1, 2})
            uitest::ClickRowCheck(curves, row);
        EXPECT_TRUE(uitest::ChooseInCell(curves, 2, CEditListCtrl::kUnitColumn, "微秒/米"));
        uitest::ClickTab(d.GetTabCtrl(), 1);
        uitest::PressButton(d.GetSettingPage(), SettingPage::IDC_NEW_GROUP);
        uitest::RetypeText(
            uitest::Control<QLineEdit>(d.GetSettingPage(), SettingPage::IDC_GROUP_NAME), "批量");
        uitest::PressOk(&d);
    }));
    EXPECT_TRUE(dialogShown && list == good);
    EXPECT_EQ(messages.Single(),
              L"以下文件存在错误，将不会被加载，请检查文件数据！\r\nwell_b.las\t");
    EXPECT_EQ(messages.Messages()[0].owner, welldata::MessageOwner::FocusWindow);
    // The header file, byte for byte: GB18030, 337 characters in two pieces, a NUL.
    EXPECT_EQ(FileBytes(HeaderPath()),
              FileBytes(testing_support::DataPath("multiwell/MultiHeader_expected.txt")));
    EXPECT_EQ(load.GetLoadFileName(), HeaderPath());
    // The settings for the batch: the chosen curves, without values.
    const COMMON::STRUCT_WELL_CURVE& log = load.GetWellLog();
    std::vector<std::wstring> curves;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves)
        curves.push_back(curve.strName + L"|" + std::to_wstring(curve.nColumn) + L"|" +
                         curve.strType + L"|" + curve.strUnit + L"|" + curve.strDisplayName + L"|" +
                         std::to_wstring(curve.vecValues.size()));
    EXPECT_EQ(curves,
              (std::vector<std::wstring>{L"DEPTH|1|DEPTH|m|深度|0", L"GR|2|GR|API|自然伽马|0",
                                         L"声波|3|AC|DS/FT|声波时差|0"}));
    EXPECT_EQ(std::tuple(log.strGroupName, log.nGroupMode, load.GetFileType()),
              std::tuple(std::wstring(L"批量"), 0, 1));
}

TEST_F(MultiWellRoad, NamesGivenByTheHostAreWrittenWithoutReadingAFile) {
    std::vector<std::wstring> names{L"DEPTH", L" GR ", L"gr", L"#SP", L"声波"};
    const std::vector<std::wstring> given = names;
    const auto cancel = [](Dlg& d) { uitest::PressCancel(&d); };
    EXPECT_FALSE(Prepare(names, false, cancel));
    EXPECT_TRUE(dialogShown && names == given && load.GetWellLog().lstCurves.empty());
    EXPECT_EQ(FileBytes(HeaderPath()), std::string("DEPTH GR SP \xC9\xF9\xB2\xA8") + '\0');
    // The batch stays silent about bad LAS files for the object's life.
    EXPECT_FALSE(load.ReadFile(testing_support::DataPath("multiwell/well_b.las")));
    EXPECT_EQ(messages.Count(), 0u);
    // A header file that cannot be written is not reported: the dialog finds
    // no file to read and ends with the reader's message.
    MultiWellHeader::SetFolder(testing_support::Widen(dir.Path()) + L"/no such folder");
    EXPECT_FALSE(Prepare(names, false, cancel) || dialogShown);
    EXPECT_EQ(messages.Single(), L"打开文件失败。");
    // The last constructed load type counts: only a multi-well one prepares a batch.
    MultiWellHeader::SetFolder(testing_support::Widen(dir.Path()));
    CLoadData other(COMMON::LDT_WELL_DATA);
    EXPECT_FALSE(Prepare(names, false, cancel) || dialogShown);
    EXPECT_EQ(messages.Count(), 1u);
}
