// The well log roads of ReadFile(): a log text table (file type 1) or a LAS
// file (file type 4) through the file dialog and the single well log import
// dialog, driven as a user drives it. A table loads what the headless load of
// the same file with the same choices loads; a LAS file loads what the load by
// name loads, less the curves left unticked.
#include "Roads.h"
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "uisupport/ListDriver.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QComboBox>

using Dlg = CDlgImportSingleWellLog;
using DataPage = CDlgSingleWellLogInputData;
using road_test::Drive;
using road_test::PressOk;
using welldata::PathColumn;
using welldata::WellLogChoices;

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

class WellLogRoads : public testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }

    bool Load(const std::wstring& path, int fileType, const Drive& drive) {
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
        road_test::ShowTab(d, Dlg::kUnitTab);
        uitest::PressButton(&d, CDlgWellDataUnit::IDC_UNITS_DIFFER);
        EXPECT_TRUE(uitest::ChooseComboText(
            uitest::Control<QComboBox>(&d, CDlgWellDataUnit::IDC_DEPTH_UNIT), "ft"));
        PressOk(d);
    }));
    WellLogChoices choices = welldata::SuggestWellLogChoices(
        welldata::PreviewTable(interactive.GetLoadFileName(), welldata::TableKind::WellLog));
    choices.curves.erase(std::next(choices.curves.begin(), 2));
    std::next(choices.curves.begin())->strName = L"伽马";
    choices.skipNullValues = true;
    choices.nullValues = {-999.25f, -9999.0f};
    choices.convertUnits = true;
    choices.depthUnit = COMMON::COOR_UNIT_FT;
    choices.withWellPath = true;
    choices.path.dataType = PATH_TVD_X_Y;
    choices.path.Column(PathColumn::Md) = 1; // the depth curve's column
    choices.path.Column(PathColumn::Tvd) = 5;
    choices.path.Column(PathColumn::X) = 6;
    choices.path.Column(PathColumn::Y) = 7;
    road_test::ExpectLikeHeadless(interactive, choices);
    EXPECT_EQ(interactive.GetWellPath().dqPoints.size(), 3u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellLogRoads, ALasFileLoadsWhatTheLoadByNameLoadsOfTheTickedCurves) {
    const std::wstring unticked = dir.Write(
        "log.las", testing_support::LasHeader() +
                       "~Curve\n DEPT.FT : depth\n GR.GAPI : gamma\n X.FT : x\n RT.OHMM : r\n"
                       "~A\n1000 50 10 -999.25\n1000.5 -999.25 20 12.5\n");
    const struct {
        std::wstring path;
        Drive drive;
        COMMON::ENUM_COOR_UNIT fileUnit; // preset on the unit tab, told to the load by name
        std::wstring untickedCurve;
    } cases[] = {
        {testing_support::SamplePath("well_log_feet.las"), PressOk, COMMON::COOR_UNIT_FT, L""},
        {unticked,
         [](QDialog& d) {
             road_test::ShowTab(d, Dlg::kDataTab);
             uitest::ClickRowCheck(CurveList(d), 1);
             PressOk(d);
         },
         COMMON::COOR_UNIT_FT, L"GR"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing_support::Narrow(c.path));
        ASSERT_TRUE(Load(c.path, kLasFileType, c.drive));
        CLoadData byName(COMMON::LDT_WELL_DATA);
        byName.SetWellCurveUnitsInfo(true, c.fileUnit, c.fileUnit);
        ASSERT_TRUE(byName.ReadFile(c.path));
        std::list<COMMON::STRUCT_CURVE_ITEM>& curves = byName.GetWellLog().lstCurves;
        curves.remove_if([&c](const auto& curve) { return curve.strName == c.untickedCurve; });
        // What only the dialog gives: 1-based columns, display names, the group.
        ASSERT_EQ(curves.size(), interactive.GetWellLog().lstCurves.size());
        auto shown = interactive.GetWellLog().lstCurves.begin();
        for (COMMON::STRUCT_CURVE_ITEM& curve : curves) {
            ++curve.nColumn;
            curve.strDisplayName = shown++->strDisplayName;
        }
        byName.GetWellLog().nGroupMode = interactive.GetWellLog().nGroupMode;
        EXPECT_EQ(road_test::Records(interactive), road_test::Records(byName));
    }
    // A table after the LAS files on the same object is still read as a table.
    const std::wstring table = dir.Write("log.txt", kTable);
    ASSERT_TRUE(Load(table, kLogTableFileType, PressOk));
    road_test::ExpectLikeHeadless(interactive,
                                  welldata::SuggestWellLogChoices(
                                      welldata::PreviewTable(table, welldata::TableKind::WellLog)));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellLogRoads, AFileTheDialogCannotReadEndsItWithTheReadersMessage) {
    const struct {
        const char* name;
        std::wstring path;
        int fileType;
        const wchar_t* message;
    } cases[] = {
        {"a table chosen as a LAS file", dir.Write("table.las", kTable), kLasFileType,
         L"解释数据时没有找到相应的数据段"},
        {"a table naming no depth", dir.Write("heads.txt", "NAME X Y\nA1 1 2\n"), kLogTableFileType,
         L"加载井曲线数据时，指定了非法的数据文件，请确认之后重试。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        EXPECT_FALSE(Load(c.path, c.fileType, nullptr));
        EXPECT_EQ(messages.Single().rfind(c.message, 0), 0u);
        EXPECT_TRUE(interactive.GetWellLog().lstCurves.empty());
    }
}
