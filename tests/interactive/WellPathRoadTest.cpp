// The interactive well path load end to end: ReadFile() with the file dialog
// answered and the well path import dialog driven as a user drives it, then
// the points compared with the headless load of the same file with the same
// choices (CLoadData::ReadFile(path, assignment), the road the welldata
// command takes). One loader, two front ends: the results must be identical.
#include "SameRecords.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/CDlgWellDataUnit.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QLineEdit>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using Dlg = CDlgImportSingleWellPath;
using DataPage = CDlgSingleWellPathInputData;
using UnitPage = CDlgWellDataUnit;
using testing_support::MessageCapture;
using welldata::MessageResult;
using welldata::PathColumn;
using welldata::PathColumnAssignment;

namespace {

const std::string kSettings =
    settings_test::SectionText("well_path", {"0=NAME", "8=MD 测深", "9=X", "10=Y", "11=Z", "12=DX",
                                             "13=DY", "14=TVD", "15=INCL", "16=AZIM"});

// Every quantity of every layout, so that each layout can be read from it.
const std::string kAllLayouts = "NAME MD INCL AZIM TVD DX DY X Y Z\n"
                                "A1 1000 0.5 120 999.9 0.1 0.2 20512345.25 4376210.5 -950.1\n"
                                "A1 1010 1.5 121 1009.8 0.3 0.5 20512346.65 4376211.34 -960.0\n"
                                "A1 1020 2.5 122 1019.6 0.6 0.9 20512348.4 4376212.39 -969.8\n";

using Drive = std::function<void(Dlg&)>;

void ShowTab(Dlg& dialog, int index) {
    uitest::ClickTab(dialog.GetTabCtrl(), index);
}

void ChooseLayout(Dlg& dialog, int radioId) {
    ShowTab(dialog, 1);
    uitest::PressButton(dialog.GetDataPage(), radioId);
}

void ChooseColumn(Dlg& dialog, int listId, int column) {
    EXPECT_TRUE(uitest::ChooseComboIndex(uitest::Control<QComboBox>(dialog.GetDataPage(), listId),
                                         column - 1));
}

void TypeNullValue(Dlg& dialog, const QString& value) {
    uitest::RetypeText(dialog.GetDataPage()->NullValueBox(), value);
}

void ChooseUnits(Dlg& dialog, const QString& coordinates, const QString& depths) {
    ShowTab(dialog, 2);
    uitest::PressButton(dialog.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
    EXPECT_TRUE(uitest::ChooseComboText(
        uitest::Control<QComboBox>(dialog.GetUnitPage(), UnitPage::IDC_COOR_UNIT), coordinates));
    EXPECT_TRUE(uitest::ChooseComboText(
        uitest::Control<QComboBox>(dialog.GetUnitPage(), UnitPage::IDC_DEPTH_UNIT), depths));
}

PathColumnAssignment Layout(std::int32_t dataType,
                            std::initializer_list<std::pair<PathColumn, int>> columns) {
    PathColumnAssignment assignment;
    assignment.dataType = dataType;
    for (const auto& [column, number] : columns)
        assignment.Column(column) = static_cast<std::uint16_t>(number);
    assignment.hasMd = assignment.Column(PathColumn::Md) > 0;
    return assignment;
}

class WellPathRoad : public testing::Test {
protected:
    // ReadFile() on a well path load object: the file dialog answered with
    // the file `bytes` are written to, the import dialog driven by `drive`.
    bool LoadInteractively(const std::string& bytes, const Drive& drive) {
        path = dir.Write("path.txt", bytes);
        interactive = std::make_unique<CLoadData>(COMMON::LDT_WELL_PATH);
        auto fileAnswer = uitest::AnswerFileDialog({QString::fromStdWString(path)});
        auto importDriver = uitest::WhenModal<Dlg>([&drive](Dlg* dialog) { drive(*dialog); });
        const bool loaded = interactive->ReadFile();
        EXPECT_TRUE(fileAnswer->Fired());
        EXPECT_TRUE(importDriver->Fired());
        EXPECT_TRUE(interactive->GetData()->empty()); // the reader is cleared
        return loaded;
    }

    // The headless load of the same file with `assignment`; its result must
    // be `expected` and its path the interactive one.
    void ExpectHeadlessAlike(const PathColumnAssignment& assignment, bool expected) {
        CLoadData headless(COMMON::LDT_WELL_PATH);
        EXPECT_EQ(headless.ReadFile(path, assignment), expected);
        EXPECT_EQ(headless.GetLastFailure().error, interactive->GetLastFailure().error);
        EXPECT_TRUE(
            interactive_test::SameRecords(interactive->GetWellPath(), headless.GetWellPath()));
    }

    settings_test::ScopedSettingsFile settings{kSettings};
    testing_support::ScratchDir dir;
    std::wstring path;
    std::unique_ptr<CLoadData> interactive;
    MessageCapture messages;
};

} // namespace

TEST_F(WellPathRoad, EachLayoutLoadsAsTheHeadlessLoadDoes) {
    struct Case {
        const char* name;
        Drive drive;
        PathColumnAssignment assignment;
    };
    const auto ok = [](Dlg& d) { uitest::PressOk(&d); };
    const Case cases[] = {
        {"MD, INCL, AZIM, whose MD is read whatever 存在MD says",
         [&](Dlg& d) {
             ShowTab(d, 1);
             uitest::PressButton(d.GetDataPage(), DataPage::IDC_MD_EXISTS);
             ChooseLayout(d, DataPage::IDC_MD_INCL_AZIM);
             ok(d);
         },
         Layout(PATH_MD_INCL_AZIM,
                {{PathColumn::Md, 2}, {PathColumn::Incl, 3}, {PathColumn::Azim, 4}})},
        {"TVD, DX, DY (the layout the dialog opens on)", ok,
         Layout(PATH_TVD_DX_DY, {{PathColumn::Md, 2},
                                 {PathColumn::Tvd, 5},
                                 {PathColumn::Dx, 6},
                                 {PathColumn::Dy, 7}})},
        {"TVD, X, Y with a null value and depths in feet",
         [&](Dlg& d) {
             ChooseLayout(d, DataPage::IDC_TVD_X_Y);
             uitest::PressButton(d.GetDataPage(), DataPage::IDC_HAS_NULL_VALUE);
             TypeNullValue(d, "-999.25");
             ChooseUnits(d, "m", "ft");
             ok(d);
         },
         [] {
             PathColumnAssignment assignment = Layout(PATH_TVD_X_Y, {{PathColumn::Md, 2},
                                                                     {PathColumn::Tvd, 5},
                                                                     {PathColumn::X, 8},
                                                                     {PathColumn::Y, 9}});
             assignment.hasNullValue = true;
             assignment.nullValue = -999.25f;
             assignment.convertUnits = 1;
             assignment.depthUnit = COMMON::COOR_UNIT_FT;
             return assignment;
         }()},
        {"X, Y, Z without MD, coordinates in feet, angles in radians",
         [&](Dlg& d) {
             ChooseLayout(d, DataPage::IDC_X_Y_Z);
             uitest::PressButton(d.GetDataPage(), DataPage::IDC_MD_EXISTS);
             ChooseUnits(d, "ft", "m");
             uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_RADIANS);
             ok(d);
         },
         [] {
             PathColumnAssignment assignment =
                 Layout(PATH_X_Y_Z, {{PathColumn::X, 8}, {PathColumn::Y, 9}, {PathColumn::Z, 10}});
             assignment.convertUnits = 1;
             assignment.coordinateUnit = COMMON::COOR_UNIT_FT;
             assignment.angleUnit = ANGLE_RADIANS;
             return assignment;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(LoadInteractively(kAllLayouts, c.drive));
        EXPECT_EQ(interactive->GetWellPath().dqPoints.size(), 3u);
        EXPECT_EQ(interactive->GetLoadFileName(), path);
        ExpectHeadlessAlike(c.assignment, true);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellPathRoad, TheSampleLoadsAsTheCommandLoadsIt) {
    // The sample settings file, and the layout and columns the welldata
    // command recognises in the sample with it, as the dialog preselects them.
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    std::ifstream sample(testing_support::Narrow(testing_support::SamplePath("well_path.txt")));
    ASSERT_TRUE(LoadInteractively((std::ostringstream() << sample.rdbuf()).str(), [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        uitest::PressOk(&d);
    }));
    EXPECT_EQ(interactive->GetWellPath().dqPoints.size(), 24u);
    PathColumnAssignment detected;
    ASSERT_TRUE(welldata::DetectPathLayout(
        welldata::PreviewTable(path, welldata::TableKind::WellPath), detected));
    EXPECT_EQ(detected.dataType, PATH_TVD_X_Y);
    ExpectHeadlessAlike(detected, true);
}

TEST_F(WellPathRoad, CancelInTheImportDialogLoadsNothing) {
    ASSERT_TRUE(LoadInteractively(kAllLayouts, [](Dlg& d) { uitest::PressOk(&d); }));
    ASSERT_FALSE(interactive->GetWellPath().dqPoints.empty());
    // A second load of the same object, cancelled, leaves no points of the first.
    auto fileAnswer = uitest::AnswerFileDialog({QString::fromStdWString(path)});
    auto cancel = uitest::WhenModal<Dlg>([](Dlg* d) {
        ChooseLayout(*d, DataPage::IDC_X_Y_Z);
        uitest::PressCancel(d);
    });
    EXPECT_FALSE(interactive->ReadFile());
    EXPECT_TRUE(cancel->Fired());
    EXPECT_TRUE(interactive->GetWellPath().dqPoints.empty());
    EXPECT_TRUE(interactive->GetData()->empty());
}

TEST_F(WellPathRoad, NamesNoSettingKnowsAreChosenByTheUser) {
    const std::string file = "P Q R S\n1000 999 5 6\n1010 1009 7 8\n";
    ASSERT_TRUE(LoadInteractively(file, [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        ChooseColumn(d, DataPage::IDC_ROW1_COLUMN, 3);
        ChooseColumn(d, DataPage::IDC_ROW2_COLUMN, 4);
        ChooseColumn(d, DataPage::IDC_ROW3_COLUMN, 2);
        ChooseColumn(d, DataPage::IDC_MD_COLUMN, 1);
        uitest::PressOk(&d);
    }));
    EXPECT_EQ(messages.Count(), 0u);
    ExpectHeadlessAlike(
        Layout(PATH_TVD_X_Y,
               {{PathColumn::Md, 1}, {PathColumn::Tvd, 2}, {PathColumn::X, 3}, {PathColumn::Y, 4}}),
        true);
}

TEST_F(WellPathRoad, AOneColumnFileLoadsOnlyWhatTheUserMakesOfIt) {
    messages.AnswerNext(MessageResult::Yes); // choose again
    ASSERT_TRUE(LoadInteractively("MD\n1000\n1010\n", [this](Dlg& d) {
        uitest::PressOk(&d); // DX, DY and TVD are not in the file
        EXPECT_EQ(messages.Count(), 1u);
        ChooseLayout(d, DataPage::IDC_TVD_DX_DY);
        for (int list :
             {DataPage::IDC_ROW1_COLUMN, DataPage::IDC_ROW2_COLUMN, DataPage::IDC_ROW3_COLUMN})
            ChooseColumn(d, list, 1);
        uitest::PressOk(&d);
    }));
    ExpectHeadlessAlike(
        Layout(
            PATH_TVD_DX_DY,
            {{PathColumn::Md, 1}, {PathColumn::Tvd, 1}, {PathColumn::Dx, 1}, {PathColumn::Dy, 1}}),
        true);
}

TEST_F(WellPathRoad, OneColumnChosenForTwoQuantitiesIsLoadedForBoth) {
    ASSERT_TRUE(LoadInteractively(kAllLayouts, [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        ChooseColumn(d, DataPage::IDC_ROW2_COLUMN, 8); // Y from the X column
        uitest::PressOk(&d);
    }));
    const auto& point = interactive->GetWellPath().dqPoints.front();
    EXPECT_EQ(point.uAzimOrX.dValue, point.uY.dValue);
    ExpectHeadlessAlike(
        Layout(PATH_TVD_X_Y,
               {{PathColumn::Md, 2}, {PathColumn::Tvd, 5}, {PathColumn::X, 8}, {PathColumn::Y, 8}}),
        true);
}

TEST_F(WellPathRoad, WithoutADepthColumnTheUserCanOnlyGiveUp) {
    messages.AnswerNext(MessageResult::No);
    EXPECT_FALSE(LoadInteractively("X Y\n5 6\n7 8\n", [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        uitest::PressOk(&d);
    }));
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(interactive->GetWellPath().dqPoints.empty());
    // The headless load refuses the same choice with the same words.
    CLoadData headless(COMMON::LDT_WELL_PATH);
    EXPECT_FALSE(
        headless.ReadFile(path, Layout(PATH_TVD_X_Y, {{PathColumn::X, 1}, {PathColumn::Y, 2}})));
    EXPECT_EQ(headless.GetLastFailure().message,
              messages.Messages().front().text.substr(0, headless.GetLastFailure().message.size()));
}

TEST_F(WellPathRoad, ANullValueThatIsNotANumberNeverReachesTheLoader) {
    ASSERT_TRUE(LoadInteractively(kAllLayouts, [this](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_HAS_NULL_VALUE);
        TypeNullValue(d, "null");
        uitest::PressOk(&d);
        EXPECT_EQ(messages.Count(), 1u);
        TypeNullValue(d, "-9999");
        uitest::PressOk(&d);
    }));
    PathColumnAssignment assignment =
        Layout(PATH_TVD_X_Y,
               {{PathColumn::Md, 2}, {PathColumn::Tvd, 5}, {PathColumn::X, 8}, {PathColumn::Y, 9}});
    assignment.hasNullValue = true;
    assignment.nullValue = -9999.0f;
    ExpectHeadlessAlike(assignment, true);
}

TEST_F(WellPathRoad, UnitsLeftAtMetresLoadAFileInFeetAsWritten) {
    const std::string feet = "MD TVD X Y\n3280.84 3280.5 1640.4 3280.84\n";
    ASSERT_TRUE(LoadInteractively(feet, [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        uitest::PressOk(&d);
    }));
    EXPECT_FLOAT_EQ(interactive->GetWellPath().dqPoints.front().fMD, 3280.84f);
    ExpectHeadlessAlike(
        Layout(PATH_TVD_X_Y,
               {{PathColumn::Md, 1}, {PathColumn::Tvd, 2}, {PathColumn::X, 3}, {PathColumn::Y, 4}}),
        true);
}

TEST_F(WellPathRoad, RowsShorterThanTheHeaderStopTheLoadAtTheirNullValues) {
    const std::string shortRows = "MD TVD X Y\n1000 999 5 6\n1010 1009\n1020 1019 9 10\n";
    EXPECT_FALSE(LoadInteractively(shortRows, [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        uitest::PressOk(&d);
    }));
    EXPECT_EQ(messages.Single(), L"轨迹数据中含有空值，请检查之后重试。");
    EXPECT_EQ(interactive->GetLastFailure().error, welldata::LoadError::NullInPath);
    EXPECT_EQ(interactive->GetWellPath().dqPoints.size(), 1u); // the rows before stay
    ExpectHeadlessAlike(
        Layout(PATH_TVD_X_Y,
               {{PathColumn::Md, 1}, {PathColumn::Tvd, 2}, {PathColumn::X, 3}, {PathColumn::Y, 4}}),
        false);
}
