// The multi-well log import dialog on a batch header file: its tabs and hidden
// preview, the depth curve rule under its own caption, the group it names.
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportMultiWellLogs.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/QtPresenters.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgMultiWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "uisupport/ListDriver.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using Dlg = CDlgImportMultiWellLogs;
using SettingPage = CDlgSingleWellLogSetting;

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
            EXPECT_EQ(std::tuple(box->windowTitle(), box->text(), box->icon(), box->parentWidget()),
                      std::tuple(QString("深度数据问题"), QString(text), QMessageBox::Information,
                                 &dialog));
            if (screenshot != nullptr)
                uitest::SaveScreenshot(box, screenshot);
            box->accept();
        });
        uitest::PressOk(&dialog);
        EXPECT_TRUE(answer->Fired() && dialog.isVisible());
    };
    const int result = uitest::RunModal(dialog, [&](QDialog&) {
        EXPECT_EQ(dialog.GetTabCtrl()->GetCurrentPage(), dialog.GetDataPage());
        EXPECT_FALSE(dialog.GetPreviewBox()->isVisible());
        CEditListCtrl* list = dialog.GetDataPage()->GetCurveList();
        EXPECT_EQ(list->GetItemText(7, CEditListCtrl::kCurveNameColumn) + "|" +
                      list->GetItemText(7, CEditListCtrl::kCurveTypeColumn),
                  "声波|AC");
        uitest::SaveScreenshot(&dialog, "import-multi-well-logs.png");
        uitest::ClickTab(dialog.GetTabCtrl(), 1);
        uitest::PressButton(dialog.GetSettingPage(), SettingPage::IDC_NEW_GROUP);
        uitest::RetypeText(
            uitest::Control<QLineEdit>(dialog.GetSettingPage(), SettingPage::IDC_GROUP_NAME),
            "测井组");
        uitest::SaveScreenshot(&dialog, "import-multi-well-logs-settings.png");
        uitest::ClickTab(dialog.GetTabCtrl(), 0);
        ASSERT_TRUE(uitest::ChooseInCell(list, 10, CEditListCtrl::kCurveTypeColumn, "DEPTH"));
        okSays("添加井曲线时,有且仅有一个深度道,请确认之后重试。", nullptr);
        uitest::ClickRowCheck(list, 10);
        uitest::ClickRowCheck(list, 0);
        okSays("添加井曲线时,必须有深度,请确认之后重试。", "import-multi-well-logs-no-depth.png");
        uitest::ClickRowCheck(list, 0);
        uitest::PressOk(&dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(std::tuple(record.lstCurves.size(), record.nGroupMode, record.strGroupName),
              std::tuple(size_t(10), 0, std::wstring(L"测井组")));
}
