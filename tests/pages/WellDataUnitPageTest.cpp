// The unit page as a user drives it: the question whether the file's units
// differ, the two unit lists in ENUM_COOR_UNIT order, the angle unit, and the
// units a dialog presets until the user makes a choice.
#include "pages/CDlgWellDataUnit.h"
#include "pages/PageHost.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using Page = CDlgWellDataUnit;

class WellDataUnitPage : public testing::Test {
protected:
    void SetUp() override {
        file.Write("MD TVD X Y\n1000 999 5 6\n");
        host = std::make_unique<PageHost>(&file.reader);
        page = host->Add(new Page(host.get()), "单位");
        host->Open();
    }

    QComboBox* List(int id) { return uitest::Control<QComboBox>(page, id); }
    QCheckBox* UnitsDiffer() { return uitest::Control<QCheckBox>(page, Page::IDC_UNITS_DIFFER); }
    void Click(int id) { uitest::PressButton(page, id); }
    bool ListsEnabled() {
        return List(Page::IDC_COOR_UNIT)->isEnabled() && List(Page::IDC_DEPTH_UNIT)->isEnabled();
    }

    testing_support::ScratchFile file;
    std::unique_ptr<PageHost> host;
    Page* page = nullptr;
};

TEST_F(WellDataUnitPage, OpensOnTheSystemUnitsAndDegrees) {
    for (int id : {Page::IDC_SYSTEM_COOR_UNIT, Page::IDC_SYSTEM_DEPTH_UNIT}) {
        auto* box = uitest::Control<QLineEdit>(page, id);
        EXPECT_EQ(box->text(), "M");
        EXPECT_TRUE(box->isReadOnly());
    }
    for (int id : {Page::IDC_COOR_UNIT, Page::IDC_DEPTH_UNIT}) {
        QComboBox* list = List(id);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        EXPECT_EQ(entries, (QStringList{"m", "in", "ft", "dm", "cm"}));
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_EQ(list->property("dropHeightExtension").toInt(), 80);
    }
    EXPECT_FALSE(UnitsDiffer()->isChecked() || ListsEnabled());
    EXPECT_FALSE(page->GetConvertUnits());
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_DEGREES)->isChecked());
    EXPECT_EQ(page->GetAngleUnit(), ANGLE_DEGREES);
    EXPECT_TRUE(page->AcceptsPreset());
}

TEST_F(WellDataUnitPage, TheTickFollowsTheListsAndUntickingPutsMetresBack) {
    host->ShowPage(page);
    Click(Page::IDC_UNITS_DIFFER);
    EXPECT_TRUE(page->GetConvertUnits() && ListsEnabled());
    ASSERT_TRUE(uitest::ChooseComboText(List(Page::IDC_COOR_UNIT), "ft"));
    EXPECT_EQ(page->GetCoordinateUnit(), COMMON::COOR_UNIT_FT);
    EXPECT_TRUE(page->GetConvertUnits());
    ASSERT_TRUE(uitest::ChooseComboText(List(Page::IDC_DEPTH_UNIT), "cm"));
    EXPECT_EQ(page->GetDepthUnit(), COMMON::COOR_UNIT_CM);

    // Metres in both lists: the file's units are the system's after all.
    ASSERT_TRUE(uitest::ChooseComboText(List(Page::IDC_COOR_UNIT), "m"));
    EXPECT_TRUE(page->GetConvertUnits()); // depths are still centimetres
    ASSERT_TRUE(uitest::ChooseComboText(List(Page::IDC_DEPTH_UNIT), "m"));
    EXPECT_FALSE(page->GetConvertUnits() || UnitsDiffer()->isChecked() || ListsEnabled());

    Click(Page::IDC_UNITS_DIFFER);
    ASSERT_TRUE(uitest::ChooseComboText(List(Page::IDC_DEPTH_UNIT), "in"));
    Click(Page::IDC_UNITS_DIFFER); // unticking takes the units back
    EXPECT_EQ(List(Page::IDC_DEPTH_UNIT)->currentText(), "m");
    EXPECT_EQ(page->GetDepthUnit(), COMMON::COOR_UNIT_M);
    EXPECT_FALSE(page->GetConvertUnits() || ListsEnabled());
    uitest::SaveScreenshot(host.get(), "page-well-data-unit.png");
}

TEST_F(WellDataUnitPage, RadiansAreChosenWithTheirButton) {
    host->ShowPage(page);
    Click(Page::IDC_RADIANS);
    EXPECT_EQ(page->GetAngleUnit(), ANGLE_RADIANS);
    Click(Page::IDC_DEGREES);
    EXPECT_EQ(page->GetAngleUnit(), ANGLE_DEGREES);
}

TEST_F(WellDataUnitPage, PresetUnitsHoldOnlyUntilTheUserChooses) {
    page->PresetUnits(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_FT);
    EXPECT_EQ(List(Page::IDC_COOR_UNIT)->currentText(), "m");
    EXPECT_EQ(List(Page::IDC_DEPTH_UNIT)->currentText(), "ft");
    EXPECT_TRUE(UnitsDiffer()->isChecked() && ListsEnabled() && page->GetConvertUnits());
    page->PresetUnits(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M); // still open to presets
    EXPECT_FALSE(page->GetConvertUnits() || ListsEnabled());

    host->ShowPage(page);
    Click(Page::IDC_UNITS_DIFFER);
    EXPECT_FALSE(page->AcceptsPreset());
    page->PresetUnits(COMMON::COOR_UNIT_IN, COMMON::COOR_UNIT_FT);
    EXPECT_EQ(List(Page::IDC_DEPTH_UNIT)->currentText(), "m");
    EXPECT_EQ(page->GetDepthUnit(), COMMON::COOR_UNIT_M);
}

TEST_F(WellDataUnitPage, TheAngleUnitCanBeHidden) {
    host->ShowPage(page);
    page->ShowAngleUnit(false);
    for (int id : {Page::IDC_ANGLE_UNIT_LABEL, Page::IDC_DEGREES, Page::IDC_RADIANS})
        EXPECT_FALSE(uitest::Control<QWidget>(page, id)->isVisible());
    page->ShowAngleUnit(true);
    EXPECT_TRUE(uitest::Control<QWidget>(page, Page::IDC_RADIANS)->isVisible());
}
