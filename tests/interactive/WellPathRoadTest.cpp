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
using road_test::Drive;
using road_test::PressOk;
using welldata::PathColumn;
using welldata::PathColumnAssignment;

namespace {

// Every quantity of every layout, so that each layout can be read from it.
const std::string kAllLayouts = "NAME MD INCL AZIM TVD DX DY X Y Z\n"
                                "A1 1000 0.5 120 999.9 0.1 0.2 20512345.25 4376210.5 -950.1\n"
                                "A1 1010 1.5 121 1009.8 0.3 0.5 20512346.65 4376211.34 -960.0\n"
                                "A1 1020 2.5 122 1019.6 0.6 0.9 20512348.4 4376212.39 -969.8\n";

void ChooseLayout(QDialog& dialog, int radioId) {
    road_test::ShowTab(dialog, 1);
    uitest::PressButton(&dialog, radioId);
}

void ChooseUnits(QDialog& dialog, const QString& coordinates, const QString& depths) {
    road_test::ShowTab(dialog, 2);
    uitest::PressButton(&dialog, UnitPage::IDC_UNITS_DIFFER);
    EXPECT_TRUE(uitest::ChooseComboText(
        uitest::Control<QComboBox>(&dialog, UnitPage::IDC_COOR_UNIT), coordinates));
    EXPECT_TRUE(uitest::ChooseComboText(
        uitest::Control<QComboBox>(&dialog, UnitPage::IDC_DEPTH_UNIT), depths));
}

PathColumnAssignment Layout(std::int32_t dataType,
                            std::initializer_list<std::pair<PathColumn, int>> columns,
                            const std::function<void(PathColumnAssignment&)>& more = {}) {
    PathColumnAssignment assignment;
    assignment.dataType = dataType;
    for (const auto& [column, number] : columns)
        assignment.Column(column) = static_cast<std::uint16_t>(number);
    assignment.hasMd = assignment.Column(PathColumn::Md) > 0;
    if (more)
        more(assignment);
    return assignment;
}

const std::initializer_list<std::pair<PathColumn, int>> kTvdXy = {
    {PathColumn::Md, 2}, {PathColumn::Tvd, 5}, {PathColumn::X, 8}, {PathColumn::Y, 9}};

} // namespace

TEST(WellPathRoad, EachLayoutLoadsAsTheHeadlessLoadDoes) {
    const struct {
        const char* name;
        std::string file;
        Drive drive;
        PathColumnAssignment choices;
        bool loads;
    } cases[] = {
        {"MD, INCL, AZIM, whose MD is read whatever 存在MD says", kAllLayouts,
         [](QDialog& d) {
             road_test::ShowTab(d, 1);
             uitest::PressButton(&d, DataPage::IDC_MD_EXISTS);
             ChooseLayout(d, DataPage::IDC_MD_INCL_AZIM);
             PressOk(d);
         },
         Layout(PATH_MD_INCL_AZIM,
                {{PathColumn::Md, 2}, {PathColumn::Incl, 3}, {PathColumn::Azim, 4}}),
         true},
        {"TVD, DX, DY, the layout the dialog opens on", kAllLayouts, PressOk,
         Layout(
             PATH_TVD_DX_DY,
             {{PathColumn::Md, 2}, {PathColumn::Tvd, 5}, {PathColumn::Dx, 6}, {PathColumn::Dy, 7}}),
         true},
        {"TVD, X, Y with a null value and depths in feet", kAllLayouts,
         [](QDialog& d) {
             ChooseLayout(d, DataPage::IDC_TVD_X_Y);
             uitest::PressButton(&d, DataPage::IDC_HAS_NULL_VALUE);
             uitest::RetypeText(uitest::Control<QLineEdit>(&d, DataPage::IDC_NULL_VALUE),
                                "-999.25");
             ChooseUnits(d, "m", "ft");
             PressOk(d);
         },
         Layout(PATH_TVD_X_Y, kTvdXy,
                [](PathColumnAssignment& a) {
                    a.hasNullValue = true;
                    a.nullValue = -999.25f;
                    a.convertUnits = 1;
                    a.depthUnit = COMMON::COOR_UNIT_FT;
                }),
         true},
        {"X, Y, Z without MD, coordinates in feet, angles in radians", kAllLayouts,
         [](QDialog& d) {
             ChooseLayout(d, DataPage::IDC_X_Y_Z);
             uitest::PressButton(&d, DataPage::IDC_MD_EXISTS);
             ChooseUnits(d, "ft", "m");
             uitest::PressButton(&d, UnitPage::IDC_RADIANS);
             PressOk(d);
         },
         Layout(PATH_X_Y_Z, {{PathColumn::X, 8}, {PathColumn::Y, 9}, {PathColumn::Z, 10}},
                [](PathColumnAssignment& a) {
                    a.convertUnits = 1;
                    a.coordinateUnit = COMMON::COOR_UNIT_FT;
                    a.angleUnit = ANGLE_RADIANS;
                }),
         true},
        {"a row shorter than the header stops the load at its null values, the rows before stay",
         kAllLayouts + "A1 1030 3.5 123 1029.5\n",
         [](QDialog& d) {
             ChooseLayout(d, DataPage::IDC_TVD_X_Y);
             PressOk(d);
         },
         Layout(PATH_TVD_X_Y, kTvdXy), false},
    };
    settings_test::ScopedSettingsFile settings(settings_test::SectionText(
        "well_path", {"0=NAME", "8=MD 测深", "9=X", "10=Y", "11=Z", "12=DX", "13=DY", "14=TVD",
                      "15=INCL", "16=AZIM"}));
    testing_support::ScratchDir dir;
    CLoadData interactive(COMMON::LDT_WELL_PATH);
    testing_support::MessageCapture messages;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.Clear();
        EXPECT_EQ(road_test::LoadThroughDialogs(interactive, dir.Write("path.txt", c.file), 1,
                                                "CDlgImportSingleWellPath", c.drive),
                  c.loads);
        EXPECT_EQ(messages.Count(), c.loads ? 0u : 1u); // the loader's, of the null value
        EXPECT_FALSE(interactive.GetWellPath().dqPoints.empty());
        EXPECT_TRUE(interactive.GetData()->empty()); // the reader is cleared
        road_test::ExpectLikeHeadless(interactive, c.choices, c.loads);
    }
}
