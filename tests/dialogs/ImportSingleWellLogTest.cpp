// The single well log import dialog driven as a user drives it, on text
// tables and LAS files written for it: its four tabs, what OK hands the well
// log loader, the depth curve rule with its messages, the units of a LAS file
// on the unit tab, a well path carried by the log file, and Cancel handing
// nothing over.
#include "controls/CColorStatic.h"
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "dialogs/LogDialogFixture.h"
#include "loaders/CWellLog.h"
#include "pages/CDlgSingleWellLogHints.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using Dlg = CDlgImportSingleWellLog;
using DataPage = CDlgSingleWellLogInputData;
using SettingPage = CDlgSingleWellLogSetting;
using UnitPage = CDlgWellDataUnit;
using COMMON::STRUCT_CURVE_ITEM;
using testing_support::MessageCapture;
using welldata::PathColumn;

namespace {

const std::string kSettings = settings_test::SectionText(
    "well_log", {"17=DEPTH 深度 DEPT", "19=CAL 井径", "21=GR 自然伽马", "30=RT 地层电阻率"});

const std::string kTable = "#DEPTH GR RT\n1000 50 10\n1001 51 -999.25\n1002 -999.25 12\n";

const std::string kLas = testing_support::LasHeader() +
                         "~Curve\n DEPT.FT : depth\n GR.GAPI : gamma\n RT.OHMM : r\n"
                         "~A\n1000 50 10\n1001 51 -999.25\n";

void ShowTab(Dlg& dialog, int index) {
    uitest::ClickTab(dialog.GetTabCtrl(), index);
}

CEditListCtrl* CurveList(Dlg& dialog) {
    return dialog.GetDataPage()->GetCurveList();
}

QComboBox* UnitList(Dlg& dialog, int id) {
    return uitest::Control<QComboBox>(dialog.GetUnitPage(), id);
}

class ImportSingleWellLog : public LogDialogFixture<Dlg> {
protected:
    ImportSingleWellLog() : LogDialogFixture(kSettings) {}

    // Runs the dialog on a log table (or a LAS file) with the text `bytes`.
    int Run(const std::string& bytes, const std::function<void(Dlg&)>& drive, bool las = false,
            bool withLoader = true) {
        file.Write(bytes).SetDataFormat(las ? COMMON::WLDF_LAS : COMMON::WLDF_TEXT);
        file.reader.SetHeaderSearch(!las);
        file.reader.SetHeaderRow(!las);
        file.reader.EnsureSections();
        return RunDialog(drive, withLoader);
    }
};

} // namespace

TEST_F(ImportSingleWellLog, OpensOnItsHintsWithFourTabsAndCancelHandsNothingOver) {
    record.strGroupName = L"kept";
    const int result = Run(kTable, [this](Dlg& d) {
        EXPECT_EQ(d.windowTitle(), "导入井数据");
        CTabCtrlExt* tabs = d.GetTabCtrl();
        ASSERT_EQ(tabs->count(), 4);
        EXPECT_EQ(
            (QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2), tabs->tabText(3)}),
            (QStringList{"操作说明", "数据", "设置", "单位"}));
        EXPECT_EQ(tabs->GetCurrentPage(), d.GetHintsPage());
        auto* step = uitest::Control<CColorStatic>(d.GetHintsPage(),
                                                   CDlgSingleWellLogHints::IDC_CURRENT_STEP);
        ASSERT_NE(step, nullptr);
        EXPECT_EQ(step->text(), "导入井数据");
        EXPECT_TRUE(step->autoFillBackground());
        const QList<QLabel*> labels = d.GetHintsPage()->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
            return label->text().startsWith("（1）、首先选择井，然后才可以加载井曲线数据") &&
                   label->text().contains("\n（2）、如果文件中有空值，请务必指定");
        }));
        EXPECT_TRUE(d.GetPreviewBox()->toPlainText().startsWith("1:#DEPTH"));
        ShowTab(d, Dlg::kUnitTab);
        EXPECT_FALSE(uitest::Control<QWidget>(d.GetUnitPage(), UnitPage::IDC_DEGREES)->isVisible());
        EXPECT_FALSE(
            uitest::Control<QWidget>(d.GetUnitPage(), UnitPage::IDC_ANGLE_UNIT_LABEL)->isVisible());

        ShowTab(d, Dlg::kDataTab); // the user unticks a curve, then thinks better of it
        uitest::ClickRowCheck(CurveList(d), 1);
        uitest::PressCancel(&d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
    EXPECT_FALSE(loader.HasUserCurveList());
    EXPECT_EQ(record.strGroupName, L"kept");
    EXPECT_EQ(record.nGroupMode, 0);
    EXPECT_TRUE(file.reader.GetRows().empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ImportSingleWellLog, OkHandsTheLoaderTheCurvesAndEveryPagesChoice) {
    const int result = Run(kTable, [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        CEditListCtrl* list = CurveList(d);
        ASSERT_TRUE(uitest::ChooseInCell(list, 2, CEditListCtrl::kUnitColumn, "欧姆·米"));
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_SKIP_UNDEFINED);
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
    EXPECT_EQ(messages.Count(), 0u);
    const welldata::WellLogChoices& handed = *dialog->GetHandedOver();
    EXPECT_EQ(handed.groupName, L"");
    EXPECT_EQ(handed.referenceElevation, 12.5f);
    EXPECT_FALSE(handed.withWellPath);

    // The record holds the normalised curves and the pages' settings.
    EXPECT_TRUE(loader.HasUserCurveList());
    ASSERT_EQ(record.lstCurves.size(), 3u);
    const STRUCT_CURVE_ITEM& rt = record.lstCurves.back();
    EXPECT_EQ(rt.strUnit, L"Ω·M");
    EXPECT_TRUE(rt.bLogarithmic);
    EXPECT_EQ(rt.strDisplayName, L"地层电阻率");
    EXPECT_EQ(record.lstCurves.front().strDisplayName, L"深度");
    EXPECT_TRUE(record.bSkipNullValues);
    EXPECT_EQ(record.vecNullValues, std::vector<float>{-999.25f});
    EXPECT_EQ(record.nGroupMode, 0);
    EXPECT_EQ(record.strGroupName, L"");
    EXPECT_FALSE(record.bWithWellPath);
    EXPECT_TRUE(loader.GetConvertUnits());
}

TEST_F(ImportSingleWellLog, OkNeedsExactlyOneDepthCurveAndStaysOpenUntilThen) {
    // Without settings neither column is typed: each takes its name as its
    // type, and both names read depth.
    settings_test::ScopedSettingsFile none(settings_test::SectionText("well_log", {}));
    const int result = Run("DEPTH depth GR\n1 2 3\n4 5 6\n", [this](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_SKIP_UNDEFINED);
        CEditListCtrl* list = CurveList(d);
        uitest::PressOk(&d);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages().back().text,
                  L"添加井曲线时,有且仅有一个深度道,请确认之后重试。");
        EXPECT_EQ(messages.Messages().back().caption, welldata::kProductCaption);
        EXPECT_EQ(messages.Messages().back().owner, welldata::MessageOwner::Dialog);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(record.bSkipNullValues) << "handed over before the check";
        EXPECT_FALSE(loader.HasUserCurveList());

        ASSERT_TRUE(uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_UNCHECK_ALL));
        uitest::PressOk(&d);
        ASSERT_EQ(messages.Count(), 2u);
        EXPECT_EQ(messages.Messages().back().text, L"添加井曲线时,必须有深度,请确认之后重试。");
        EXPECT_TRUE(d.isVisible());

        uitest::ClickRowCheck(list, 1);
        uitest::ClickRowCheck(list, 2);
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 2u);
    ASSERT_EQ(record.lstCurves.size(), 2u);
    EXPECT_EQ(record.lstCurves.front().strName, L"depth");
    EXPECT_EQ(record.lstCurves.front().nColumn, 2);
}

TEST_F(ImportSingleWellLog, TheUnitTabStartsWithTheLasUnitsUntilTheUserChangesIt) {
    const int result = Run(
        kLas,
        [this](Dlg& d) {
            EXPECT_TRUE(d.GetPreviewBox()->toPlainText().startsWith("~Version information\n"));
            EXPECT_EQ(d.GetDataPage()->GetDepthUnit(), COMMON::COOR_UNIT_FT);
            ShowTab(d, Dlg::kUnitTab);
            EXPECT_TRUE(d.GetUnitPage()->GetConvertUnits());
            EXPECT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "ft");
            EXPECT_EQ(UnitList(d, UnitPage::IDC_COOR_UNIT)->currentText(), "m");
            // The user says the depths are in inches; the file's feet do not
            // come back when the tab is shown again.
            // (one step up from "ft": "m" on the way would untick the units.)
            uitest::PressKey(UnitList(d, UnitPage::IDC_DEPTH_UNIT), Qt::Key_Up);
            ASSERT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "in");
            ShowTab(d, Dlg::kDataTab);
            ShowTab(d, Dlg::kUnitTab);
            EXPECT_EQ(UnitList(d, UnitPage::IDC_DEPTH_UNIT)->currentText(), "in");
            ShowTab(d, Dlg::kDataTab);
            // The LAS units are shown as the file gives them.
            EXPECT_EQ(CurveList(d)->GetItemText(1, CEditListCtrl::kUnitColumn), "GAPI");
            uitest::PressOk(&d);
        },
        true);
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog->GetHandedOver()->depthUnit, COMMON::COOR_UNIT_IN);
    EXPECT_TRUE(dialog->GetHandedOver()->convertUnits);
    ASSERT_EQ(record.lstCurves.size(), 3u);
    EXPECT_EQ(record.lstCurves.front().nColumn, 1);
    EXPECT_EQ(record.lstCurves.back().strUnit, L"OHMM");
    EXPECT_FALSE(record.lstCurves.back().bLogarithmic);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ImportSingleWellLog, AWellPathInTheLogFileIsHandedOverWhenItsColumnsAreComplete) {
    const std::string file3 = "DEPTH INCL AZIM GR\n1000 1.5 120 50\n1010 2.5 121 51\n";
    const int result = Run(file3, [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_MD_INCL_AZIM);
        ASSERT_TRUE(uitest::ChooseComboIndex(
            uitest::Control<QComboBox>(d.GetDataPage(), DataPage::IDC_ROW1_COLUMN), 1));
        ASSERT_TRUE(uitest::ChooseComboIndex(
            uitest::Control<QComboBox>(d.GetDataPage(), DataPage::IDC_ROW2_COLUMN), 2));
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    const welldata::WellLogChoices& handed = *dialog->GetHandedOver();
    EXPECT_TRUE(handed.withWellPath);
    EXPECT_EQ(handed.path.dataType, PATH_LOG_MD_INCL_AZIM);
    EXPECT_EQ(handed.path.Column(PathColumn::Md), 1);
    EXPECT_EQ(handed.path.Column(PathColumn::Incl), 2);
    EXPECT_EQ(handed.path.Column(PathColumn::Azim), 3);
    EXPECT_FALSE(handed.path.hasNullValue);
    ASSERT_TRUE(record.bWithWellPath);
    // The loader reads INCL from column 1, AZIM from 2 and MD from 0 (0-based).
    ASSERT_TRUE(loader.LoadLog());
    ASSERT_EQ(path.dqPoints.size(), 2u);
    EXPECT_EQ(path.dqPoints[1].fMD, 1010.0f);
    EXPECT_EQ(path.dqPoints[1].fInclOrDepth, 2.5f);
    EXPECT_EQ(path.dqPoints[1].uAzimOrX.fValue, 121.0f);
    EXPECT_EQ(record.lstCurves.size(), 4u);

    // With AZIM left out the path is not loaded, and nothing is said.
    const int incomplete = Run(file3, [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_X_Y_Z);
        uitest::PressOk(&d);
    });
    ASSERT_EQ(incomplete, QDialog::Accepted);
    EXPECT_FALSE(record.bWithWellPath);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ImportSingleWellLog, AnXYZPathLeavesOnlyTheMeanSeaLevelReference) {
    const int result = Run("DEPTH X Y Z\n1000 1 2 -900\n1001 1 2 -901\n", [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_X_Y_Z);
        EXPECT_EQ(d.GetPathDataType(), PATH_X_Y_Z);
        ShowTab(d, Dlg::kSettingsTab);
        EXPECT_TRUE(
            uitest::Control<QRadioButton>(d.GetSettingPage(), SettingPage::IDC_MEAN_SEA_LEVEL)
                ->isChecked());
        EXPECT_FALSE(
            uitest::Control<QRadioButton>(d.GetSettingPage(), SettingPage::IDC_KELLY_BUSHING)
                ->isEnabled());
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog->GetHandedOver()->depthReference, DEPTH_REF_MEAN_SEA_LEVEL);
}

TEST_F(ImportSingleWellLog, WithoutALoaderOkSaysSoAndEndsAsCancelled) {
    const int result = Run(
        kTable, [](Dlg& d) { uitest::PressOk(&d); }, false, false);
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    const welldata::MessageRequest& message = messages.Messages().front();
    EXPECT_EQ(message.text, L"设置用户数据时，程序异常。");
    EXPECT_EQ(message.owner, welldata::MessageOwner::ApplicationBox);
    EXPECT_EQ(message.icon, welldata::MessageIcon::None);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
}

TEST(ImportWellLogScreens, EachTabOnTheSampleFiles) {
    settings_test::ScopedSettingsFile settings("");
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    MessageCapture messages;
    CDataFileReader reader;
    COMMON::STRUCT_WELL_PATH path;
    COMMON::STRUCT_WELL_CURVE record;
    CWellLog loader(&reader, &path, &record);

    reader.SetFilePath(testing_support::SamplePath("well_log.txt"));
    reader.SetHeaderSearch(true);
    Dlg table(&reader);
    table.SetLoader(&loader);
    uitest::RunModal(table, [](QDialog& d) {
        auto& log = static_cast<Dlg&>(d);
        uitest::SaveScreenshot(&log, "import-well-log-hints.png");
        ShowTab(log, Dlg::kDataTab);
        uitest::PressButton(log.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::SaveScreenshot(&log, "import-well-log-data.png");
        ShowTab(log, Dlg::kSettingsTab);
        uitest::SaveScreenshot(&log, "import-well-log-settings.png");
        uitest::PressCancel(&log);
    });

    reader.SetFilePath(testing_support::SamplePath("well_log_feet.las"));
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.EnsureSections();
    Dlg las(&reader);
    las.SetLoader(&loader);
    uitest::RunModal(las, [](QDialog& d) {
        auto& log = static_cast<Dlg&>(d);
        ShowTab(log, Dlg::kDataTab);
        uitest::SaveScreenshot(&log, "import-well-log-las-data.png");
        ShowTab(log, Dlg::kUnitTab);
        EXPECT_EQ(UnitList(log, UnitPage::IDC_DEPTH_UNIT)->currentText(), "ft");
        uitest::SaveScreenshot(&log, "import-well-log-las-units.png");
        uitest::PressCancel(&log);
    });
    EXPECT_EQ(messages.Count(), 0u);
}
