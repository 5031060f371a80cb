// The single well log import dialog: its tabs, the depth curve rule, unit
// names, a LAS file's units, and a well path in the log file.
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "dialogs/DialogFixture.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgSingleWellLogHints.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <gtest/gtest.h>

using Dlg = CDlgImportSingleWellLog;
using DataPage = CDlgSingleWellLogInputData;
using SettingPage = CDlgSingleWellLogSetting;
using UnitPage = CDlgWellDataUnit;
using welldata::PathColumn;

namespace {

void ShowTab(Dlg& dialog, int index) {
    uitest::ClickTab(dialog.GetTabCtrl(), index);
}

QComboBox* UnitList(Dlg& dialog, int id) {
    return uitest::Control<QComboBox>(dialog.GetUnitPage(), id);
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
        EXPECT_TRUE(record.bSkipNullValues) << "handed over before the check";
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

TEST_F(ImportSingleWellLog, TheUnitTabStartsWithTheLasUnitsUntilTheUserChangesIt) {
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    const auto las = testing_support::FileBytes(testing_support::SamplePath("well_log_feet.las"));
    const int result = Run(las, [](Dlg& d) {
        EXPECT_EQ(d.GetTabCtrl()->GetCurrentPage(), d.GetHintsPage());
        uitest::SaveScreenshot(&d, "import-well-log-hints.png");
        ShowTab(d, Dlg::kDataTab);
        EXPECT_EQ(d.GetDataPage()->GetCurveList()->GetItemText(2, CEditListCtrl::kUnitColumn),
                  "G/CM3"); // as the file gives it
        uitest::SaveScreenshot(&d, "import-well-log-las-data.png");
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::SaveScreenshot(&d, "import-well-log-data.png");
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        ShowTab(d, Dlg::kSettingsTab);
        uitest::SaveScreenshot(&d, "import-well-log-settings.png");
        ShowTab(d, Dlg::kUnitTab);
        for (int id :
             {UnitPage::IDC_ANGLE_UNIT_LABEL, UnitPage::IDC_DEGREES, UnitPage::IDC_RADIANS})
            EXPECT_FALSE(uitest::Control<QWidget>(d.GetUnitPage(), id)->isVisible()) << id;
        EXPECT_TRUE(d.GetUnitPage()->GetConvertUnits());
        EXPECT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "ft");
        EXPECT_EQ(UnitList(d, UnitPage::IDC_COOR_UNIT)->currentText(), "m");
        uitest::SaveScreenshot(&d, "import-well-log-las-units.png");
        // Inches are one step up from "ft"; the file's feet do not come back
        // when the tab is shown again.
        uitest::PressKey(UnitList(d, UnitPage::IDC_DEPTH_UNIT), Qt::Key_Up);
        ShowTab(d, Dlg::kDataTab);
        ShowTab(d, Dlg::kUnitTab);
        EXPECT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "in");
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog->GetHandedOver()->depthUnit, COMMON::COOR_UNIT_IN);
}

TEST_F(ImportSingleWellLog, AWellPathInTheLogFileIsHandedOverWhenItsColumnsAreComplete) {
    const auto okOn = [this](int radioId, const std::function<void(Dlg&)>& look) {
        return Run("DEPTH INCL AZIM GR\n1000 1.5 120 50\n", [&](Dlg& d) {
            ShowTab(d, Dlg::kDataTab);
            uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
            uitest::PressButton(d.GetDataPage(), radioId);
            ShowTab(d, Dlg::kSettingsTab);
            look(d);
            uitest::PressOk(&d);
        });
    };
    ASSERT_EQ(okOn(DataPage::IDC_MD_INCL_AZIM, [](Dlg&) {}), QDialog::Accepted);
    const welldata::PathColumnAssignment& handed = dialog->GetHandedOver()->path;
    EXPECT_TRUE(dialog->GetHandedOver()->withWellPath && record.bWithWellPath);
    EXPECT_EQ(std::tuple(handed.dataType, handed.Column(PathColumn::Md),
                         handed.Column(PathColumn::Incl), handed.Column(PathColumn::Azim)),
              std::tuple(PATH_LOG_MD_INCL_AZIM, 1, 2, 3));

    // X, Y, Z leaves only the mean sea level; its columns missing, no path is
    // loaded, silently.
    ASSERT_EQ(
        okOn(DataPage::IDC_X_Y_Z,
             [](Dlg& d) {
                 for (int id : {SettingPage::IDC_KELLY_BUSHING, SettingPage::IDC_OTHER_REFERENCE})
                     EXPECT_FALSE(uitest::Control<QWidget>(d.GetSettingPage(), id)->isEnabled());
             }),
        QDialog::Accepted);
    EXPECT_FALSE(dialog->GetHandedOver()->withWellPath || record.bWithWellPath);
    EXPECT_EQ(dialog->GetHandedOver()->depthReference, DEPTH_REF_MEAN_SEA_LEVEL);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ImportSingleWellLog, WithoutALoaderOkSaysSoAndEndsAsCancelled) {
    EXPECT_EQ(Run(
                  "DEPTH GR\n1 2\n", [](Dlg& d) { uitest::PressOk(&d); }, false),
              QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Single(), L"设置用户数据时，程序异常。");
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
}
