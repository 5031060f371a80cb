// The multi-well log import dialog driven as a user drives it, on header
// tables as the batch preparation writes them: its two tabs and hidden
// preview, what OK hands the well log loader, the depth curve rule under its
// own caption, and Cancel handing nothing over.
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "dialogs/LogDialogFixture.h"
#include "dialogs/QtPresenters.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using Dlg = CDlgImportMultiWellLogs;
using SettingPage = CDlgSingleWellLogSetting;
using testing_support::MessageCapture;

namespace {

const std::string kSettings = settings_test::SectionText(
    "well_log", {"17=DEPTH 深度 DEPT", "19=CAL 井径", "21=GR 自然伽马", "49=POR 孔隙度"});

// A header file as the batch preparation writes it: one line, a NUL byte.
const std::string kHeader = std::string("DEPTH GR CAL POR LITH") + '\0';

CEditListCtrl* CurveList(Dlg& dialog) {
    return dialog.GetDataPage()->GetCurveList();
}

class ImportMultiWellLogs : public LogDialogFixture<Dlg> {
protected:
    ImportMultiWellLogs() : LogDialogFixture(kSettings) {}

    int Run(const std::function<void(Dlg&)>& drive) {
        file.Write(kHeader).SetHeaderSearch(true);
        return RunDialog(drive);
    }
};

} // namespace

TEST_F(ImportMultiWellLogs, OpensOnTheCurvesWithTheFileHiddenAndCancelHandsNothingOver) {
    record.strGroupName = L"kept";
    const int result = Run([](Dlg& d) {
        EXPECT_EQ(d.windowTitle(), "导入多井数据");
        CTabCtrlExt* tabs = d.GetTabCtrl();
        ASSERT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->tabText(0), "设置井数据类型");
        EXPECT_EQ(tabs->tabText(1), "设置");
        EXPECT_EQ(tabs->GetCurrentPage(), d.GetDataPage());
        // The preview is written but not shown.
        EXPECT_FALSE(d.GetPreviewBox()->isVisible());
        EXPECT_TRUE(d.GetPreviewBox()->toPlainText().startsWith("1:DEPTH"));
        EXPECT_EQ(CurveList(d)->rowCount(), 5);
        uitest::PressCancel(&d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
    EXPECT_TRUE(record.lstCurves.empty());
    EXPECT_EQ(record.strGroupName, L"kept");
    EXPECT_TRUE(file.reader.GetRows().empty());
}

TEST_F(ImportMultiWellLogs, OkHandsTheCurvesAndTheSettingsButNoUnitsOrPath) {
    const int result = Run([](Dlg& d) {
        CEditListCtrl* list = CurveList(d);
        ASSERT_TRUE(uitest::ChooseInCell(list, 0, CEditListCtrl::kUnitColumn, "英尺"));
        ASSERT_TRUE(uitest::ChooseInCell(list, 2, CEditListCtrl::kUnitColumn, "英寸"));
        ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kUnitColumn, "微伦琴/小时"));
        uitest::ClickRowCheck(list, 4); // LITH
        uitest::ClickTab(d.GetTabCtrl(), 1);
        SettingPage* settings = d.GetSettingPage();
        uitest::PressButton(settings, SettingPage::IDC_NEW_GROUP);
        uitest::RetypeText(uitest::Control<QLineEdit>(settings, SettingPage::IDC_GROUP_NAME),
                           "测井组");
        uitest::PressButton(settings, SettingPage::IDC_MEAN_SEA_LEVEL);
        ASSERT_TRUE(uitest::ChooseContextCommand(settings->GetNullValueList()->viewport(),
                                                 QPoint(5, 5), CEditListCtrl::ID_ADD_RECORD));
        ASSERT_TRUE(uitest::TypeIntoCell(settings->GetNullValueList(), 1, SettingPage::kValueColumn,
                                         "-999.25"));
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(record.strGroupName, L"测井组");
    EXPECT_EQ(record.nGroupMode, 0);
    EXPECT_EQ(record.vecNullValues, (std::vector<float>{-999.25f, -9999.0f}));
    EXPECT_EQ(dialog->GetHandedOver()->depthReference, DEPTH_REF_MEAN_SEA_LEVEL);
    EXPECT_FALSE(loader.HasUserCurveList());
    EXPECT_FALSE(loader.GetConvertUnits());
    std::vector<std::wstring> curves;
    for (const COMMON::STRUCT_CURVE_ITEM& curve : record.lstCurves)
        curves.push_back(curve.strName + L"|" + curve.strType + L"|" + curve.strUnit + L"|" +
                         curve.strDisplayName);
    // Feet and inches get the multi-well dialog's own units; a unit no row
    // names stays as it is.
    EXPECT_EQ(curves,
              (std::vector<std::wstring>{L"DEPTH|DEPTH|ft|深度", L"GR|GR|微伦琴/小时|自然伽马",
                                         L"CAL|CAL|in|井径", L"POR|||"}));
}

TEST_F(ImportMultiWellLogs, TwoDepthCurvesAreADepthDataProblem) {
    const int result = Run([this](Dlg& d) {
        CEditListCtrl* list = CurveList(d);
        ASSERT_TRUE(uitest::ChooseInCell(list, 4, CEditListCtrl::kCurveTypeColumn, "DEPTH"));
        uitest::PressOk(&d);
        ASSERT_EQ(messages.Count(), 1u);
        const welldata::MessageRequest& message = messages.Messages().front();
        EXPECT_EQ(message.text, L"添加井曲线时,有且仅有一个深度道,请确认之后重试。");
        EXPECT_EQ(message.caption, L"深度数据问题");
        EXPECT_EQ(message.icon, welldata::MessageIcon::Information);
        EXPECT_EQ(message.owner, welldata::MessageOwner::Dialog);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(record.lstCurves.empty());
        EXPECT_EQ(record.nGroupMode, 0) << "nothing handed over";

        ASSERT_TRUE(uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_UNCHECK_ALL));
        uitest::PressOk(&d);
        ASSERT_EQ(messages.Count(), 2u);
        EXPECT_EQ(messages.Messages().back().text, L"添加井曲线时,必须有深度,请确认之后重试。");
        EXPECT_EQ(messages.Messages().back().caption, L"深度数据问题");
        uitest::ClickRowCheck(list, 0);
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(record.lstCurves.size(), 1u);
    EXPECT_EQ(record.nGroupMode, 1);
}

TEST(ImportMultiWellLogsScreens, BothTabsOnABatchHeaderWithChineseNames) {
    settings_test::ScopedSettingsFile settings("");
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    testing_support::ScratchFile file;
    // The header in the data code page (GB18030): 声波 is 0xC9 0xF9 0xB2 0xA8.
    file.Write(std::string("DEPTH AC CALI CNL DEN GR RT \xC9\xF9\xB2\xA8 SP POR LITH") + '\0')
        .SetHeaderSearch(true);
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE record;
    CWellLog loader(&file.reader, &path, &record);
    welldata::InstallQtPresenters();
    Dlg dialog(&file.reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [](QDialog& d) {
        auto& multi = static_cast<Dlg&>(d);
        EXPECT_EQ(CurveList(multi)->GetItemText(7, CEditListCtrl::kCurveNameColumn), "声波");
        EXPECT_EQ(CurveList(multi)->GetItemText(7, CEditListCtrl::kCurveTypeColumn), "AC");
        uitest::SaveScreenshot(&multi, "import-multi-well-logs.png");
        uitest::ClickTab(multi.GetTabCtrl(), 1);
        uitest::SaveScreenshot(&multi, "import-multi-well-logs-settings.png");
        // The depth message as the user sees it: a real box under its caption.
        uitest::ClickTab(multi.GetTabCtrl(), 0);
        uitest::ClickRowCheck(CurveList(multi), 0);
        auto answer = uitest::WhenModal<QMessageBox>([](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "深度数据问题");
            uitest::SaveScreenshot(box, "import-multi-well-logs-no-depth.png");
            box->accept();
        });
        uitest::PressOk(&multi);
        EXPECT_TRUE(answer->Fired());
        uitest::PressCancel(&multi);
    });
}
