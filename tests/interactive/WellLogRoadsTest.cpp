// The well log roads of ReadFile(): a log text table (file type 1) or a LAS
// file (file type 4) through the file dialog and the single well log import
// dialog, driven as a user drives it. A table loads exactly what the headless
// load of the same file with the same choices loads (the road the welldata
// command takes); a LAS file with every curve ticked loads what the load by
// name loads, and otherwise the values worked out by hand.
#include "controls/CEditListCtrl.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "interactive/SameRecords.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/CDlgWellDataUnit.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QComboBox>
#include <cstring>
#include <gtest/gtest.h>

using Dlg = CDlgImportSingleWellLog;
using DataPage = CDlgSingleWellLogInputData;
using SettingPage = CDlgSingleWellLogSetting;
using UnitPage = CDlgWellDataUnit;
using COMMON::STRUCT_CURVE_ITEM;
using interactive_test::SameRecords;
using testing_support::MessageCapture;
using welldata::PathColumn;

namespace {

constexpr int kLogTableFileType = 1;
constexpr int kLasFileType = 4;

using Drive = std::function<void(Dlg&)>;

void ShowTab(Dlg& dialog, int index) {
    uitest::ClickTab(dialog.GetTabCtrl(), index);
}

CEditListCtrl* CurveList(Dlg& dialog) {
    return dialog.GetDataPage()->GetCurveList();
}

void Ok(Dlg& dialog) {
    uitest::PressOk(&dialog);
}

// A log table with a well path (MD is the depth) and a text column.
const std::string kTable = "well A1\n"
                           "DEPTH NAME GR RT TVD X Y\n"
                           "1000 A1 50.5 10 999.9 20512345.25 4376210.5\n"
                           "1000.5 A1 -999.25 11.25 1000.4 20512345.5 4376210.75\n"
                           "1001 A1 52 -9999 1000.9 20512345.75 4376211\n";

class WellLogRoads : public testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }

    // ReadFile() on a well data load object: the file dialog answered with
    // `path` as file type `fileType`, the import dialog driven by `drive`.
    bool LoadInteractively(const std::wstring& path, int fileType, const Drive& drive) {
        auto fileAnswer = uitest::AnswerFileDialog({QString::fromStdWString(path)}, fileType);
        auto importDriver = uitest::WhenModal<Dlg>([&drive](Dlg* dialog) { drive(*dialog); });
        const bool loaded = interactive.ReadFile();
        EXPECT_TRUE(fileAnswer->Fired());
        EXPECT_TRUE(importDriver->Fired());
        EXPECT_TRUE(interactive.GetData()->empty()); // the reader is cleared
        EXPECT_EQ(interactive.GetLoadFileName(), path);
        return loaded;
    }

    // The headless load of the same table with `choices` loads the same records.
    void ExpectHeadlessAlike(const std::wstring& path, const welldata::WellLogChoices& choices) {
        CLoadData headless(COMMON::LDT_WELL_DATA);
        ASSERT_TRUE(headless.ReadFile(path, choices));
        const COMMON::STRUCT_WELL_CURVE& a = interactive.GetWellLog();
        const COMMON::STRUCT_WELL_CURVE& b = headless.GetWellLog();
        EXPECT_TRUE(SameRecords(a.lstCurves, b.lstCurves));
        EXPECT_EQ(a.bSkipNullValues, b.bSkipNullValues);
        EXPECT_EQ(a.vecNullValues, b.vecNullValues);
        EXPECT_EQ(a.nGroupMode, b.nGroupMode);
        EXPECT_EQ(a.strGroupName, b.strGroupName);
        EXPECT_EQ(a.bWithWellPath, b.bWithWellPath);
        const COMMON::STRUCT_WELL_PATH& pathA = interactive.GetWellPath();
        const COMMON::STRUCT_WELL_PATH& pathB = headless.GetWellPath();
        EXPECT_EQ(pathA.nDataType, pathB.nDataType);
        ASSERT_EQ(pathA.dqPoints.size(), pathB.dqPoints.size());
        for (size_t i = 0; i < pathA.dqPoints.size(); ++i)
            EXPECT_TRUE(interactive_test::SameBits(pathA.dqPoints[i], pathB.dqPoints[i])) << i;
    }

    testing_support::ScratchDir dir;
    CLoadData interactive{COMMON::LDT_WELL_DATA};
    MessageCapture messages;
};

welldata::WellLogChoices SuggestedChoices(const std::wstring& path) {
    return welldata::SuggestWellLogChoices(
        welldata::PreviewTable(path, welldata::TableKind::WellLog));
}

} // namespace

TEST_F(WellLogRoads, TheSampleTableLoadsAsTheCommandLoadsIt) {
    const std::wstring sample = testing_support::SamplePath("well_log.txt");
    ASSERT_TRUE(LoadInteractively(sample, kLogTableFileType, Ok));
    EXPECT_EQ(interactive.GetWellLog().lstCurves.size(), 10u);
    EXPECT_EQ(interactive.GetWellLog().lstCurves.front().vecValues.size(), 240u);
    ExpectHeadlessAlike(sample, SuggestedChoices(sample));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellLogRoads, ATableLoadsWhatTheHeadlessLoadOfTheSameChoicesLoads) {
    const std::wstring path = dir.Write("log.txt", kTable);
    struct Case {
        const char* name;
        Drive drive;
        std::function<void(welldata::WellLogChoices&)> choose;
    };
    const Case cases[] = {
        {"as the dialog opens", Ok, [](welldata::WellLogChoices&) {}},
        {"RT left out, GR renamed, a null value, skipped nulls, depths in feet",
         [](Dlg& d) {
             ShowTab(d, Dlg::kDataTab);
             CEditListCtrl* list = CurveList(d);
             uitest::ClickRowCheck(list, 2); // RT
             EXPECT_TRUE(uitest::TypeIntoCell(list, 1, CEditListCtrl::kCurveNameColumn, "伽马"));
             uitest::PressButton(d.GetDataPage(), DataPage::IDC_SKIP_UNDEFINED);
             ShowTab(d, Dlg::kSettingsTab);
             EXPECT_TRUE(
                 uitest::ChooseContextCommand(d.GetSettingPage()->GetNullValueList()->viewport(),
                                              QPoint(5, 5), CEditListCtrl::ID_ADD_RECORD));
             EXPECT_TRUE(uitest::TypeIntoCell(d.GetSettingPage()->GetNullValueList(), 1,
                                              SettingPage::kValueColumn, "-999.25"));
             ShowTab(d, Dlg::kUnitTab);
             uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
             EXPECT_TRUE(uitest::ChooseComboText(
                 uitest::Control<QComboBox>(d.GetUnitPage(), UnitPage::IDC_DEPTH_UNIT), "ft"));
             Ok(d);
         },
         [](welldata::WellLogChoices& choices) {
             choices.curves.erase(std::next(choices.curves.begin(), 2));
             std::next(choices.curves.begin())->strName = L"伽马";
             choices.skipNullValues = true;
             choices.nullValues = {-999.25f, -9999.0f};
             choices.convertUnits = true;
             choices.depthUnit = COMMON::COOR_UNIT_FT;
         }},
        {"the well path the file carries, TVD, X, Y",
         [](Dlg& d) {
             ShowTab(d, Dlg::kDataTab);
             uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
             uitest::PressButton(d.GetDataPage(), DataPage::IDC_TVD_X_Y);
             Ok(d);
         },
         [](welldata::WellLogChoices& choices) {
             choices.withWellPath = true;
             choices.path.dataType = PATH_TVD_X_Y;
             choices.path.Column(PathColumn::Md) = 1; // the depth curve's column
             choices.path.Column(PathColumn::Tvd) = 5;
             choices.path.Column(PathColumn::X) = 6;
             choices.path.Column(PathColumn::Y) = 7;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(LoadInteractively(path, kLogTableFileType, c.drive));
        welldata::WellLogChoices choices = SuggestedChoices(path);
        c.choose(choices);
        ExpectHeadlessAlike(path, choices);
    }
    EXPECT_EQ(interactive.GetWellPath().dqPoints.size(), 3u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellLogRoads, ALasFileWithEveryCurveTickedLoadsAsTheLoadByName) {
    for (const char* sample : {"well_log.las", "well_log_wrapped.las", "well_log_feet.las"}) {
        SCOPED_TRACE(sample);
        const std::wstring path = testing_support::SamplePath(sample);
        ASSERT_TRUE(LoadInteractively(path, kLasFileType, Ok));
        // The file's own units were preset on the unit tab and the load by name
        // is told the same.
        CLoadData byName(COMMON::LDT_WELL_DATA);
        const bool feet = std::string(sample) == "well_log_feet.las";
        byName.SetWellCurveUnitsInfo(true, COMMON::COOR_UNIT_M,
                                     feet ? COMMON::COOR_UNIT_FT : COMMON::COOR_UNIT_M);
        ASSERT_TRUE(byName.ReadFile(path));
        const auto& a = interactive.GetWellLog().lstCurves;
        const auto& b = byName.GetWellLog().lstCurves;
        ASSERT_EQ(a.size(), b.size());
        for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) {
            EXPECT_EQ(x->strName, y->strName);
            EXPECT_EQ(x->nColumn, y->nColumn + 1) << "1-based from a dialog";
            EXPECT_TRUE(interactive_test::SameBits(x->vecValues, y->vecValues))
                << testing_support::Narrow(x->strName);
        }
        EXPECT_EQ(a.front().strUnit, L"M");
    }
    // A table after the LAS files on the same object is still read as a table.
    const std::wstring table = dir.Write("log.txt", kTable);
    ASSERT_TRUE(LoadInteractively(table, kLogTableFileType, Ok));
    ExpectHeadlessAlike(table, SuggestedChoices(table));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellLogRoads, ALasFileLoadsOnlyTheTickedCurvesInTheUnitsChosen) {
    const std::wstring path = dir.Write(
        "log.las", testing_support::LasHeader() +
                       "~Curve\n DEPT.FT : depth\n GR.GAPI : gamma\n X.FT : x\n RT.OHMM : r\n"
                       "~A\n1000 50 10 -999.25\n1000.5 -999.25 20 12.5\n");
    ASSERT_TRUE(LoadInteractively(path, kLasFileType, [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::ClickRowCheck(CurveList(d), 1); // GR
        ShowTab(d, Dlg::kUnitTab);              // feet, as the file says
        Ok(d);
    }));
    const auto& curves = interactive.GetWellLog().lstCurves;
    ASSERT_EQ(curves.size(), 3u);
    const float kFoot = 0.3048f;
    const std::vector<std::pair<std::wstring, std::vector<float>>> expected{
        {L"DEPTH", {1000 * kFoot, 1000.5f * kFoot}},
        {L"X", {10 * kFoot, 20 * kFoot}},
        {L"RT", {welldata::kNullValue, 12.5f}}};
    auto curve = curves.begin();
    for (const auto& [name, values] : expected) {
        SCOPED_TRACE(testing_support::Narrow(name));
        EXPECT_EQ(curve->strName, name);
        ASSERT_EQ(curve->vecValues.size(), values.size());
        for (size_t i = 0; i < values.size(); ++i)
            EXPECT_FLOAT_EQ(curve->vecValues[i], values[i]);
        ++curve;
    }
    EXPECT_EQ(curves.front().strUnit, L"M");
    EXPECT_EQ(std::next(curves.begin())->strUnit, L"M");
    EXPECT_EQ(curves.back().strUnit, L"OHMM");
}

TEST_F(WellLogRoads, CancelAtEachStepLoadsNothingAndLeavesNoCurves) {
    const std::wstring path = dir.Write("log.txt", kTable);
    ASSERT_TRUE(LoadInteractively(path, kLogTableFileType, Ok));
    ASSERT_FALSE(interactive.GetWellLog().lstCurves.empty());

    auto cancelFile = uitest::AnswerFileDialog({});
    EXPECT_FALSE(interactive.ReadFile());
    EXPECT_TRUE(cancelFile->Fired());
    EXPECT_FALSE(interactive.GetWellLog().lstCurves.empty()) << "nothing was chosen";

    for (int fileType : {kLogTableFileType, kLasFileType}) {
        const std::wstring file =
            fileType == kLasFileType ? testing_support::SamplePath("well_log.las") : path;
        EXPECT_FALSE(LoadInteractively(file, fileType, [](Dlg& d) { uitest::PressCancel(&d); }));
        EXPECT_TRUE(interactive.GetWellLog().lstCurves.empty());
        EXPECT_TRUE(interactive.GetWellPath().dqPoints.empty());
    }
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
        auto fileAnswer = uitest::AnswerFileDialog({QString::fromStdWString(c.path)}, c.fileType);
        EXPECT_FALSE(interactive.ReadFile());
        EXPECT_TRUE(fileAnswer->Fired());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages().front().text.rfind(c.message, 0), 0u);
        EXPECT_TRUE(interactive.GetData()->empty());
        EXPECT_TRUE(interactive.GetWellLog().lstCurves.empty());
    }
}

TEST_F(WellLogRoads, ALasFileCarriesItsWellPathToo) {
    const std::wstring path = dir.Write(
        "path.las", testing_support::LasHeader() +
                        "~Curve\n DEPT.M : depth\n TVD.M : tvd\n X.M : x\n Y.M : y\n GR.API : g\n"
                        "~A\n1000 999.5 20512345.25 4376210.5 50\n"
                        "1010 1009.4 20512346.5 4376211.75 51\n");
    ASSERT_TRUE(LoadInteractively(path, kLasFileType, [](Dlg& d) {
        ShowTab(d, Dlg::kDataTab);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_LOAD_PATH);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_TVD_X_Y); // columns found by name
        Ok(d);
    }));
    const COMMON::STRUCT_WELL_PATH& wellPath = interactive.GetWellPath();
    ASSERT_EQ(wellPath.dqPoints.size(), 2u);
    EXPECT_EQ(wellPath.nDataType, PATH_TVD_X_Y);
    const COMMON::STRUCT_WELL_PATH_POINT& last = wellPath.dqPoints.back();
    EXPECT_EQ(last.fMD, 1010.0f);
    EXPECT_EQ(last.fInclOrDepth, 1009.4f);
    EXPECT_EQ(last.uAzimOrX.dValue, 20512346.5);
    EXPECT_EQ(last.uY.dValue, 4376211.75);
    ASSERT_EQ(interactive.GetWellLog().lstCurves.size(), 5u);
    EXPECT_EQ(interactive.GetWellLog().lstCurves.back().vecValues, (std::vector<float>{50, 51}));
}
