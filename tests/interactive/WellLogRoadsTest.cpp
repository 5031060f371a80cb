// The well log roads of ReadFile(): a log text table (file type 1) or a LAS
// file (file type 4) through the file dialog and the single well log import
// dialog, driven as a user drives it. A table loads what the headless load of
// the same file with the same choices loads; a LAS file loads what the load by
// name loads, less the curves left unticked.
#include "Roads.h"
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "pages/CDlgSingleWellLogHints.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "uisupport/ListDriver.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QComboBox>

using Dlg = CDlgImportSingleWellLog;
using DataPage = CDlgSingleWellLogInputData;
using welldata::PathColumn;

namespace {

constexpr int kLogTableFileType = 1;
constexpr int kLasFileType = 4;

// A log table with a well path (MD is the depth) and a text column.
const std::string kTable = "well A1\n"
                           "DEPTH NAME GR RT TVD X Y\n"
                           "1000 A1 50.5 10 999.9 20512345.25 4376210.5\n"
                           "1000.5 A1 -999.25 11.25 1000.4 20512345.5 4376210.75\n"
                           "1001 A1 52 -9999 1000.9 20512345.75 4376211\n";

CEditListCtrl* CurveList(QDialog& dialog) {
    return static_cast<Dlg&>(dialog).GetDataPage()->GetCurveList();
}

welldata::WellLogChoices Suggested(const std::wstring& path) {
    return welldata::SuggestWellLogChoices(
        welldata::PreviewTable(path, welldata::TableKind::WellLog));
}

class WellLogRoads : public testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }

    bool Load(const std::wstring& path, int fileType, const road_test::Drive& drive) {
        const bool loaded = road_test::LoadThroughDialogs(interactive, path, fileType,
                                                          "CDlgImportSingleWellLog", drive);
        EXPECT_TRUE(interactive.GetData()->empty()); // the reader is cleared
        return loaded;
    }

    testing_support::ScratchDir dir;
    CLoadData interactive{COMMON::LDT_WELL_DATA};
    testing_support::MessageCapture messages;
};

} // namespace

TEST_F(WellLogRoads, ATableLoadsWhatTheHeadlessLoadOfTheSameChoicesLoads) {
    ASSERT_TRUE(Load(dir.Write("log.txt", kTable), kLogTableFileType, [](QDialog& d) {
        road_test::ShowTab(d, Dlg::kDataTab);
        uitest::ClickRowCheck(CurveList(d), 2); // RT
        EXPECT_TRUE(uitest::TypeIntoCell(CurveList(d), 1, CEditListCtrl::kCurveNameColumn, "伽马"));
        uitest::PressButton(&d, DataPage::IDC_SKIP_UNDEFINED);
        uitest::PressButton(&d, DataPage::IDC_LOAD_PATH);
        uitest::PressButton(&d, DataPage::IDC_TVD_X_Y); // columns found by name
        road_test::ShowTab(d, Dlg::kSettingsTab);
        CEditListCtrl* nulls = static_cast<Dlg&>(d).GetSettingPage()->GetNullValueList();
        EXPECT_TRUE(uitest::ChooseContextCommand(nulls->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_ADD_RECORD));
        EXPECT_TRUE(
            uitest::TypeIntoCell(nulls, 1, CDlgSingleWellLogSetting::kValueColumn, "-999.25"));
        road_test::PressOk(d);
    }));
    welldata::WellLogChoices choices = Suggested(interactive.GetLoadFileName());
    choices.curves.erase(std::next(choices.curves.begin(), 2));
    std::next(choices.curves.begin())->strName = L"伽马";
    choices.skipNullValues = choices.withWellPath = true;
    choices.nullValues = {-999.25f, -9999.0f};
    choices.path = road_test::PathLayout(PATH_TVD_X_Y, {{PathColumn::Md, 1}, // the depth curve's
                                                        {PathColumn::Tvd, 5},
                                                        {PathColumn::X, 6},
                                                        {PathColumn::Y, 7}});
    road_test::ExpectLikeHeadless(interactive, choices);
    EXPECT_EQ(interactive.GetWellPath().dqPoints.size(), 3u);
    EXPECT_EQ(messages.Count(), 0u);
}

// The sample in feet: its tabs as the user sees them, the "~C" units as the
// file gives them, the unit tab preset from the file until the user changes it.
TEST_F(WellLogRoads, ALasFileLoadsWhatTheLoadByNameLoadsOfTheTickedCurves) {
    using UnitPage = CDlgWellDataUnit;
    const std::wstring las = testing_support::SamplePath("well_log_feet.las");
    ASSERT_TRUE(Load(las, kLasFileType, [](QDialog& d) {
        auto& dialog = static_cast<Dlg&>(d);
        EXPECT_EQ(dialog.GetTabCtrl()->GetCurrentPage(), dialog.GetHintsPage());
        uitest::SaveScreenshot(&d, "import-well-log-hints.png");
        road_test::ShowTab(d, Dlg::kDataTab);
        EXPECT_EQ(CurveList(d)->GetItemText(2, CEditListCtrl::kUnitColumn), "G/CM3");
        uitest::SaveScreenshot(&d, "import-well-log-las-data.png");
        uitest::PressButton(&d, DataPage::IDC_LOAD_PATH);
        uitest::SaveScreenshot(&d, "import-well-log-data.png");
        uitest::PressButton(&d, DataPage::IDC_LOAD_PATH);
        uitest::ClickRowCheck(CurveList(d), 1); // GR
        road_test::ShowTab(d, Dlg::kSettingsTab);
        uitest::SaveScreenshot(&d, "import-well-log-settings.png");
        road_test::ShowTab(d, Dlg::kUnitTab);
        EXPECT_FALSE(uitest::Control<QWidget>(&d, UnitPage::IDC_RADIANS)->isVisible());
        auto* depth = uitest::Control<QComboBox>(&d, UnitPage::IDC_DEPTH_UNIT);
        EXPECT_EQ(depth->currentText() +
                      uitest::Control<QComboBox>(&d, UnitPage::IDC_COOR_UNIT)->currentText(),
                  "ftm");
        uitest::SaveScreenshot(&d, "import-well-log-las-units.png");
        // Inches are one step up; the file's feet do not come back.
        uitest::PressKey(depth, Qt::Key_Up);
        road_test::ShowTab(d, Dlg::kDataTab);
        road_test::ShowTab(d, Dlg::kUnitTab);
        EXPECT_EQ(depth->currentText(), "in");
        road_test::PressOk(d);
    }));
    CLoadData byName(COMMON::LDT_WELL_DATA);
    byName.SetWellCurveUnitsInfo(true, COMMON::COOR_UNIT_IN, COMMON::COOR_UNIT_IN);
    ASSERT_TRUE(byName.ReadFile(las));
    std::list<COMMON::STRUCT_CURVE_ITEM>& curves = byName.GetWellLog().lstCurves;
    curves.remove_if([](const auto& curve) { return curve.strName == L"GR"; });
    // What only the dialog gives: 1-based columns, display names, the group.
    ASSERT_EQ(curves.size(), interactive.GetWellLog().lstCurves.size());
    auto shown = interactive.GetWellLog().lstCurves.begin();
    for (COMMON::STRUCT_CURVE_ITEM& curve : curves) {
        ++curve.nColumn;
        curve.strDisplayName = shown++->strDisplayName;
    }
    byName.GetWellLog().nGroupMode = interactive.GetWellLog().nGroupMode;
    EXPECT_EQ(road_test::Records(interactive), road_test::Records(byName));

    // A table after a LAS file on the same object is still read as a table.
    const std::wstring table = dir.Write("log.txt", kTable);
    ASSERT_TRUE(Load(table, kLogTableFileType, road_test::PressOk));
    road_test::ExpectLikeHeadless(interactive, Suggested(table));
    EXPECT_EQ(messages.Count(), 0u);
}
