// The multi-well log import dialog driven as a user drives it, on header
// tables as the batch preparation writes them: its two tabs and hidden
// preview, what OK hands the well log loader, the depth curve rule under its
// own caption, and Cancel handing nothing over.
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/QtPresenters.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using Dlg = CDlgImportMultiWellLogs;
using SettingPage = CDlgSingleWellLogSetting;

namespace {

CEditListCtrl* CurveList(Dlg& dialog) {
    return dialog.GetDataPage()->GetCurveList();
}

class ImportMultiWellLogs : public LogDialogFixture<Dlg> {
protected:
    ImportMultiWellLogs()
        : LogDialogFixture(settings_test::SectionText(
              "well_log", {"17=DEPTH 深度 DEPT", "19=CAL 井径", "21=GR 自然伽马", "49=POR"})) {
        // A header file as the batch preparation writes it: one line, a NUL byte.
        file.Write(std::string("DEPTH GR CAL POR LITH") + '\0').SetHeaderSearch(true);
    }
};

} // namespace

TEST_F(ImportMultiWellLogs, CancelHandsNothingOverAndOkTheCurvesAndSettingsButNoUnitsOrPath) {
    EXPECT_EQ(RunDialog([](Dlg& d) { uitest::PressCancel(&d); }), QDialog::Rejected);
    EXPECT_FALSE(dialog->GetHandedOver().has_value() || record.nGroupMode != 0);

    const int result = RunDialog([](Dlg& d) {
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
        ASSERT_TRUE(uitest::TypeIntoCell(settings->GetNullValueList(), 0, SettingPage::kValueColumn,
                                         "-999.25"));
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(record.strGroupName, L"测井组");
    EXPECT_EQ(record.nGroupMode, 0);
    EXPECT_EQ(record.vecNullValues, std::vector<float>{-999.25f});
    EXPECT_EQ(dialog->GetHandedOver()->depthReference, DEPTH_REF_MEAN_SEA_LEVEL);
    EXPECT_FALSE(loader.HasUserCurveList() || loader.GetConvertUnits());
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

// The depth messages as the user sees them: real boxes under their caption.
TEST(ImportMultiWellLogsScreens, BothTabsAndTheDepthRuleOnABatchHeaderWithChineseNames) {
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
    // Presses OK and answers the box it shows, which says `text`.
    const auto okSays = [&dialog](const char* text, const char* screenshot) {
        auto answer = uitest::WhenModal<QMessageBox>([&](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), "深度数据问题");
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->parentWidget(), &dialog);
            if (screenshot != nullptr)
                uitest::SaveScreenshot(box, screenshot);
            box->accept();
        });
        uitest::PressOk(&dialog);
        EXPECT_TRUE(answer->Fired());
        EXPECT_TRUE(dialog.isVisible());
    };
    const int result = uitest::RunModal(dialog, [&](QDialog&) {
        // It opens on the curves; the file is previewed but not shown.
        EXPECT_EQ(dialog.GetTabCtrl()->GetCurrentPage(), dialog.GetDataPage());
        EXPECT_FALSE(dialog.GetPreviewBox()->isVisible());
        EXPECT_TRUE(dialog.GetPreviewBox()->toPlainText().startsWith("1:DEPTH"));
        CEditListCtrl* list = CurveList(dialog);
        EXPECT_EQ(list->GetItemText(7, CEditListCtrl::kCurveNameColumn), "声波");
        EXPECT_EQ(list->GetItemText(7, CEditListCtrl::kCurveTypeColumn), "AC");
        uitest::SaveScreenshot(&dialog, "import-multi-well-logs.png");
        uitest::ClickTab(dialog.GetTabCtrl(), 1);
        uitest::SaveScreenshot(&dialog, "import-multi-well-logs-settings.png");
        uitest::ClickTab(dialog.GetTabCtrl(), 0);
        ASSERT_TRUE(uitest::ChooseInCell(list, 10, CEditListCtrl::kCurveTypeColumn, "DEPTH"));
        okSays("添加井曲线时,有且仅有一个深度道,请确认之后重试。", nullptr);
        EXPECT_EQ(record.nGroupMode, 0) << "nothing handed over";
        uitest::ClickRowCheck(list, 10);
        uitest::ClickRowCheck(list, 0);
        okSays("添加井曲线时,必须有深度,请确认之后重试。", "import-multi-well-logs-no-depth.png");
        uitest::ClickRowCheck(list, 0);
        uitest::PressOk(&dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(record.lstCurves.size(), 10u);
    EXPECT_EQ(record.nGroupMode, 1);
}
