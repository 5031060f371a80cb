// The single well log import dialog driven as a user drives it, on the
// samples and on tables written for it: its four tabs, what OK hands the well
// log loader, the depth curve rule with its messages, the units of a LAS file
// on the unit tab, a well path carried by the log file with the depth
// reference it leaves, and Cancel handing nothing over.
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "dialogs/DialogFixture.h"
#include "pages/CDlgSingleWellLogHints.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QLineEdit>
#include <QRadioButton>
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

void ChooseLayout(Dlg& dialog, int radioId) {
    ShowTab(dialog, Dlg::kDataTab);
    uitest::PressButton(dialog.GetDataPage(), radioId);
}

// Whether the settings tab leaves only mean sea level to choose.
bool OnlyMeanSeaLevel(Dlg& dialog) {
    ShowTab(dialog, Dlg::kSettingsTab);
    const auto radio = [&dialog](int id) {
        return uitest::Control<QRadioButton>(dialog.GetSettingPage(), id);
    };
    return radio(SettingPage::IDC_MEAN_SEA_LEVEL)->isChecked() &&
           !radio(SettingPage::IDC_KELLY_BUSHING)->isEnabled() &&
           !radio(SettingPage::IDC_OTHER_REFERENCE)->isEnabled();
}

class ImportSingleWellLog : public LogDialogFixture<Dlg> {
protected:
    // No depth alias: DEPTH and depth stay untyped and take their names as types.
    ImportSingleWellLog()
        : LogDialogFixture(settings_test::SectionText("well_log", {"21=GR 自然伽马", "30=RT"})) {}

    // Runs the dialog on a log table (or a LAS file) with the text `bytes`.
    int Run(const std::string& bytes, const std::function<void(Dlg&)>& drive,
            bool withLoader = true) {
        uitest::WriteDataFile(file, bytes, true);
        return RunDialog(drive, withLoader);
    }
    // Runs the dialog on a sample with the sample settings.
    int RunSample(const char* name, const std::function<void(Dlg&)>& drive) {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
        return Run(testing_support::FileBytes(testing_support::SamplePath(name)), drive);
    }
};

} // namespace

TEST_F(ImportSingleWellLog, OpensOnItsHintsWithoutAngleUnitsAndCancelHandsNothingOver) {
    const int result = RunSample("well_log.txt", [](Dlg& d) {
        EXPECT_EQ(d.GetTabCtrl()->GetCurrentPage(), d.GetHintsPage());
        uitest::SaveScreenshot(&d, "import-well-log-hints.png");
        ShowTab(d, Dlg::kUnitTab);
        for (int id :
             {UnitPage::IDC_ANGLE_UNIT_LABEL, UnitPage::IDC_DEGREES, UnitPage::IDC_RADIANS})
            EXPECT_FALSE(uitest::Control<QWidget>(d.GetUnitPage(), id)->isVisible()) << id;
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::SaveScreenshot(&d, "import-well-log-data.png");
        ShowTab(d, Dlg::kSettingsTab);
        uitest::SaveScreenshot(&d, "import-well-log-settings.png");
        uitest::PressCancel(&d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(dialog->GetHandedOver().has_value() || loader.HasUserCurveList() ||
                 record.nGroupMode != 0 || messages.Count() != 0);
}

TEST_F(ImportSingleWellLog, OkNeedsExactlyOneDepthCurveThenHandsOverEveryPagesChoice) {
    const int result = Run("DEPTH depth GR RT\n1 2 3 4\n5 6 7 8\n", [this](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_SKIP_UNDEFINED);
        CEditListCtrl* list = d.GetDataPage()->GetCurveList();
        uitest::PressOk(&d); // two types that read depth, in different letter cases
        ASSERT_EQ(messages.Count(), 1u);
        const welldata::MessageRequest& m = messages.Messages().back();
        EXPECT_EQ(std::tuple(m.text, m.caption, m.owner),
                  std::tuple(std::wstring(L"添加井曲线时,有且仅有一个深度道,请确认之后重试。"),
                             std::wstring(welldata::kProductCaption),
                             welldata::MessageOwner::Dialog));
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(record.bSkipNullValues) << "handed over before the check";
        EXPECT_FALSE(loader.HasUserCurveList());
        ASSERT_TRUE(uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_UNCHECK_ALL));
        uitest::PressOk(&d);
        ASSERT_EQ(messages.Count(), 2u);
        EXPECT_EQ(messages.Messages().back().text, L"添加井曲线时,必须有深度,请确认之后重试。");
        EXPECT_TRUE(d.isVisible());
        for (int row : {1, 3})
            uitest::ClickRowCheck(list, row);
        ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kUnitColumn, "欧姆·米"));

        ShowTab(d, Dlg::kSettingsTab);
        SettingPage* settings = d.GetSettingPage();
        ASSERT_TRUE(uitest::TypeIntoCell(settings->GetNullValueList(), 0, SettingPage::kValueColumn,
                                         "-999.25"));
        uitest::PressButton(settings, SettingPage::IDC_NEW_GROUP);
        uitest::RetypeText(uitest::Control<QLineEdit>(settings, SettingPage::IDC_GROUP_NAME),
                           "新组"); // this dialog names no group
        uitest::PressButton(settings, SettingPage::IDC_OTHER_REFERENCE);
        uitest::RetypeText(uitest::Control<QLineEdit>(settings, SettingPage::IDC_OTHER_ELEVATION),
                           "12.5");
        ShowTab(d, Dlg::kUnitTab);
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        ASSERT_TRUE(uitest::ChooseComboText(UnitList(d, UnitPage::IDC_DEPTH_UNIT), "ft"));
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 2u);
    const welldata::WellLogChoices& handed = *dialog->GetHandedOver();
    EXPECT_EQ(std::tuple(handed.groupName, handed.groupMode, handed.depthReference,
                         handed.referenceElevation, handed.depthUnit),
              std::tuple(std::wstring(), 0, DEPTH_REF_OTHER, 12.5f, COMMON::COOR_UNIT_FT));
    EXPECT_TRUE(loader.HasUserCurveList() && loader.GetConvertUnits());
    EXPECT_EQ(record.vecNullValues, std::vector<float>{-999.25f});
    ASSERT_EQ(record.lstCurves.size(), 2u);
    EXPECT_EQ(record.lstCurves.front().strName + L"@" +
                  std::to_wstring(record.lstCurves.front().nColumn),
              L"depth@2");
    EXPECT_EQ(record.lstCurves.back().strUnit, L"Ω·M");
}

TEST_F(ImportSingleWellLog, TheUnitTabStartsWithTheLasUnitsUntilTheUserChangesIt) {
    const int result = RunSample("well_log_feet.las", [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        // The LAS units are shown as the file gives them.
        EXPECT_EQ(d.GetDataPage()->GetCurveList()->GetItemText(2, CEditListCtrl::kUnitColumn),
                  "G/CM3");
        uitest::SaveScreenshot(&d, "import-well-log-las-data.png");
        ShowTab(d, Dlg::kUnitTab);
        EXPECT_TRUE(d.GetUnitPage()->GetConvertUnits());
        EXPECT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "ft");
        EXPECT_EQ(UnitList(d, UnitPage::IDC_COOR_UNIT)->currentText(), "m");
        uitest::SaveScreenshot(&d, "import-well-log-las-units.png");
        // The user says the depths are in inches (one step up from "ft": "m"
        // on the way would untick the units); the file's feet do not come
        // back when the tab is shown again.
        uitest::PressKey(UnitList(d, UnitPage::IDC_DEPTH_UNIT), Qt::Key_Up);
        ShowTab(d, Dlg::kDataTab);
        ShowTab(d, Dlg::kUnitTab);
        EXPECT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "in");
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(dialog->GetHandedOver()->convertUnits);
    EXPECT_EQ(dialog->GetHandedOver()->depthUnit, COMMON::COOR_UNIT_IN);
    ASSERT_EQ(record.lstCurves.size(), 4u);
    EXPECT_EQ(std::tuple(record.lstCurves.front().nColumn, record.lstCurves.back().strUnit),
              std::tuple(1, std::wstring(L"OHMM")));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ImportSingleWellLog, AWellPathInTheLogFileIsHandedOverWhenItsColumnsAreComplete) {
    const std::string bytes = "DEPTH INCL AZIM GR\n1000 1.5 120 50\n1010 2.5 121 51\n";
    const auto loadPath = [](Dlg& d, int radioId) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        ChooseLayout(d, radioId);
    };
    ASSERT_EQ(Run(bytes,
                  [&](Dlg& d) {
                      loadPath(d, DataPage::IDC_MD_INCL_AZIM);
                      for (auto [list, entry] : {std::pair{DataPage::IDC_ROW1_COLUMN, 1},
                                                 {DataPage::IDC_ROW2_COLUMN, 2}})
                          ASSERT_TRUE(uitest::ChooseComboIndex(
                              uitest::Control<QComboBox>(d.GetDataPage(), list), entry));
                      uitest::PressOk(&d);
                  }),
              QDialog::Accepted);
    const welldata::PathColumnAssignment& handed = dialog->GetHandedOver()->path;
    EXPECT_TRUE(dialog->GetHandedOver()->withWellPath);
    EXPECT_EQ(std::tuple(handed.dataType, handed.Column(PathColumn::Md),
                         handed.Column(PathColumn::Incl), handed.Column(PathColumn::Azim)),
              std::tuple(PATH_LOG_MD_INCL_AZIM, 1, 2, 3));
    // The loader reads each value from the column the dialog named.
    ASSERT_TRUE(record.bWithWellPath && loader.LoadLog());
    ASSERT_EQ(path.dqPoints.size(), 2u);
    const COMMON::STRUCT_WELL_PATH_POINT& point = path.dqPoints[1];
    EXPECT_EQ(std::tuple(point.fMD, point.fInclOrDepth, point.uAzimOrX.fValue),
              std::tuple(1010.0f, 2.5f, 121.0f));

    // An X, Y, Z path (its columns are not in the file, so it is not loaded,
    // and nothing is said) leaves only the mean sea level; another layout
    // gives the other references back.
    ASSERT_EQ(Run(bytes,
                  [&](Dlg& d) {
                      loadPath(d, DataPage::IDC_X_Y_Z);
                      EXPECT_TRUE(OnlyMeanSeaLevel(d));
                      ChooseLayout(d, DataPage::IDC_TVD_X_Y);
                      EXPECT_FALSE(OnlyMeanSeaLevel(d));
                      ChooseLayout(d, DataPage::IDC_X_Y_Z);
                      uitest::PressOk(&d);
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
    const welldata::MessageRequest& message = messages.Messages().front();
    EXPECT_EQ(message.text, L"设置用户数据时，程序异常。");
    EXPECT_EQ(message.owner, welldata::MessageOwner::ApplicationBox);
    EXPECT_EQ(message.icon, welldata::MessageIcon::None);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
}
