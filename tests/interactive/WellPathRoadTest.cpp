// The well path road of ReadFile(): the file dialog, then the well path import
// dialog driven as a user drives it in each layout, then the points held
// against the headless load of the same file with the same choices.
#include "Roads.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/CDlgWellDataUnit.h"
#include "settings/ScopedSettingsFile.h"

#include <QComboBox>
#include <QLineEdit>

using DataPage = CDlgSingleWellPathInputData;
using UnitPage = CDlgWellDataUnit;
using welldata::PathColumn;
using welldata::PathColumnAssignment;

namespace {

// Every quantity of every layout, so that each layout can be read from it.
const std::string kAllLayouts = "NAME MD INCL AZIM TVD DX DY X Y Z\n"
                                "A1 1000 0.5 120 999.9 0.1 0.2 20512345.25 4376210.5 -950.1\n"
                                "A1 1010 1.5 121 1009.8 0.3 0.5 20512346.65 4376211.34 -960.0\n"
                                "A1 1020 2.5 122 1019.6 0.6 0.9 20512348.4 4376212.39 -969.8\n";

// Chooses the layout, unticks "存在MD" when `noMd`, and with `coordinates` ticks the
// unit box and picks the coordinate and depth units.
void Choose(QDialog& dialog, int radioId, bool noMd, const char* coordinates = nullptr,
            const char* depths = nullptr) {
    road_test::ShowTab(dialog, 1);
    uitest::PressButton(&dialog, radioId);
    if (noMd)
        uitest::PressButton(&dialog, DataPage::IDC_MD_EXISTS);
    if (coordinates == nullptr)
        return;
    road_test::ShowTab(dialog, 2);
    uitest::PressButton(&dialog, UnitPage::IDC_UNITS_DIFFER);
    for (auto [id, unit] :
         {std::pair{UnitPage::IDC_COOR_UNIT, coordinates}, {UnitPage::IDC_DEPTH_UNIT, depths}})
        EXPECT_TRUE(uitest::ChooseComboText(uitest::Control<QComboBox>(&dialog, id), unit));
}

} // namespace

TEST(WellPathRoad, EachLayoutLoadsAsTheHeadlessLoadDoes) {
    PathColumnAssignment withNulls = road_test::PathLayout(
        PATH_TVD_X_Y,
        {{PathColumn::Md, 2}, {PathColumn::Tvd, 5}, {PathColumn::X, 8}, {PathColumn::Y, 9}});
    withNulls.hasNullValue = true;
    withNulls.nullValue = -999.25f;
    withNulls.convertUnits = 1;
    withNulls.depthUnit = COMMON::COOR_UNIT_FT;
    PathColumnAssignment xyz = road_test::PathLayout(
        PATH_X_Y_Z, {{PathColumn::X, 8}, {PathColumn::Y, 9}, {PathColumn::Z, 10}});
    xyz.convertUnits = 1;
    xyz.coordinateUnit = COMMON::COOR_UNIT_FT;
    xyz.angleUnit = ANGLE_RADIANS;
    const std::tuple<const char*, road_test::Drive, PathColumnAssignment> cases[] = {
        {"TVD, X, Y with a null value and depths in feet",
         [](QDialog& d) {
             Choose(d, DataPage::IDC_TVD_X_Y, false, "m", "ft");
             road_test::ShowTab(d, 1);
             uitest::PressButton(&d, DataPage::IDC_HAS_NULL_VALUE);
             uitest::RetypeText(uitest::Control<QLineEdit>(&d, DataPage::IDC_NULL_VALUE),
                                "-999.25");
             road_test::PressOk(d);
         },
         withNulls},
        {"X, Y, Z without MD, coordinates in feet, angles in radians",
         [](QDialog& d) {
             Choose(d, DataPage::IDC_X_Y_Z, true, "ft", "m");
             uitest::PressButton(&d, UnitPage::IDC_RADIANS);
             road_test::PressOk(d);
         },
         xyz},
    };
    settings_test::ScopedSettingsFile settings(settings_test::SectionText(
        "well_path", {"0=NAME", "8=MD 测深", "9=X", "10=Y", "11=Z", "12=DX", "13=DY", "14=TVD",
                      "15=INCL", "16=AZIM"}));
    testing_support::ScratchDir dir;
    CLoadData interactive(COMMON::LDT_WELL_PATH);
    testing_support::MessageCapture messages;
    for (const auto& [name, drive, choices] : cases) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(road_test::LoadThroughDialogs(interactive, dir.Write("path.txt", kAllLayouts),
                                                  1, "CDlgImportSingleWellPath", drive));
        EXPECT_TRUE(interactive.GetData()->empty()); // the reader is cleared
        road_test::ExpectLikeHeadless(interactive, choices);
    }
    EXPECT_EQ(messages.Count(), 0u);
}
