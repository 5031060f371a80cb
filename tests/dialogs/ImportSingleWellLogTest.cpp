// The single well log import dialog: the depth curve rule, unit names, and an
// incomplete well path in the log file. (Its tabs on a LAS file and the file's
// units are shown on the interactive road.)
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "dialogs/DialogFixture.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <gtest/gtest.h>

using Dlg = CDlgImportSingleWellLog;
using DataPage = CDlgSingleWellLogInputData;
using SettingPage = CDlgSingleWellLogSetting;

namespace {

void ShowTab(Dlg& dialog, int index) {
    uitest::ClickTab(dialog.GetTabCtrl(), index);
}

class ImportSingleWellLog : public DialogFixture<Dlg> {
protected:
    // No depth alias: DEPTH and depth stay untyped and take their names as types.
    ImportSingleWellLog()
        : DialogFixture(settings_test::SectionText("well_log", {"21=GR 自然伽马", "30=RT"}) +
                        settings_test::SectionText("well_path", {"15=INCL", "16=AZIM"})) {}
    void Bind(Dlg& dialog) override { dialog.SetLoader(&loader); }

    int Run(const std::string& bytes, const std::function<void(Dlg&)>& drive,
            bool withLoader = true) {
        uitest::WriteDataFile(file, bytes, true); // a log table's header names the depth
        return RunDialog(drive, withLoader);
    }

    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE record;
    CWellLog loader{&file.reader, &path, &record};
};

} // namespace

TEST_F(ImportSingleWellLog, OkNeedsExactlyOneDepthCurve) {
    const int result = Run("DEPTH depth GR RT\n1 2 3 4\n5 6 7 8\n", [this](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_SKIP_UNDEFINED);
        CEditListCtrl* list = d.GetDataPage()->GetCurveList();
        uitest::PressOk(&d); // two types that read depth, in different letter cases
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(Said(messages.Messages()[0]),
                  L"添加井曲线时,有且仅有一个深度道,请确认之后重试。|Welvorax|1 1 0");
        EXPECT_FALSE(loader.HasUserCurveList());
        uitest::ClickRowCheck(list, 0);
        uitest::ClickRowCheck(list, 2);
        ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kUnitColumn, "欧姆·米"));
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(record.lstCurves.size(), 2u);
    EXPECT_EQ(record.lstCurves.front().strName + L"@" +
                  std::to_wstring(record.lstCurves.front().nColumn),
              L"depth@2");
    EXPECT_EQ(record.lstCurves.back().strUnit, L"Ω·M"); // the unit's normal name
}

// X, Y, Z leaves only the mean sea level; its columns missing, no path is
// loaded, silently. (A complete path is held against the headless load on the
// interactive road.)
TEST_F(ImportSingleWellLog, AnIncompleteWellPathInTheLogFileIsNotHandedOver) {
    const int result = Run("DEPTH INCL AZIM GR\n1000 1.5 120 50\n", [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_X_Y_Z);
        ShowTab(d, Dlg::kSettingsTab);
        const auto enabled = [&d](int id) {
            return uitest::Control<QWidget>(d.GetSettingPage(), id)->isEnabled();
        };
        EXPECT_FALSE(enabled(SettingPage::IDC_KELLY_BUSHING) ||
                     enabled(SettingPage::IDC_OTHER_REFERENCE));
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result + int(messages.Count()), QDialog::Accepted);
    EXPECT_FALSE(dialog->GetHandedOver()->withWellPath || record.bWithWellPath);
    EXPECT_EQ(dialog->GetHandedOver()->depthReference, DEPTH_REF_MEAN_SEA_LEVEL);
}
