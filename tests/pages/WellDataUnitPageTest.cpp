// The unit page as a user drives it: the question whether the file's units
// differ and the two unit lists in ENUM_COOR_UNIT order. (The angle unit, the
// units a dialog presets until the user makes a choice and what reaches the
// loaders are shown through the import dialogs; the tick following the lists
// through the unit question dialog, which shares them.)
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
    bool Choose(int id, const char* unit) { return uitest::ChooseComboText(List(id), unit); }
    // Whether the units differ, as the page reports it; its box and lists agree.
    bool Differ() {
        const bool ticked = uitest::Control<QCheckBox>(page, Page::IDC_UNITS_DIFFER)->isChecked();
        EXPECT_EQ(List(Page::IDC_COOR_UNIT)->isEnabled(), ticked);
        EXPECT_EQ(List(Page::IDC_DEPTH_UNIT)->isEnabled(), ticked);
        EXPECT_EQ(page->GetConvertUnits(), ticked);
        return ticked;
    }

    testing_support::ScratchFile file;
    std::unique_ptr<PageHost> host;
    Page* page = nullptr;
};

TEST_F(WellDataUnitPage, OpensOnMetresAndTheTickFollowsTheLists) {
    for (int id : {Page::IDC_SYSTEM_COOR_UNIT, Page::IDC_SYSTEM_DEPTH_UNIT})
        EXPECT_EQ(uitest::Control<QLineEdit>(page, id)->text(), "M");
    for (int id : {Page::IDC_COOR_UNIT, Page::IDC_DEPTH_UNIT}) {
        QStringList entries;
        for (int i = 0; i < List(id)->count(); ++i)
            entries << List(id)->itemText(i);
        EXPECT_EQ(entries, (QStringList{"m", "in", "ft", "dm", "cm"}));
        EXPECT_EQ(List(id)->currentIndex(), 0);
    }
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_DEGREES)->isChecked());
    EXPECT_FALSE(Differ());

    host->ShowPage(page);
    uitest::PressButton(page, Page::IDC_UNITS_DIFFER);
    EXPECT_TRUE(Differ());
    ASSERT_TRUE(Choose(Page::IDC_COOR_UNIT, "ft") && Choose(Page::IDC_DEPTH_UNIT, "cm"));
    EXPECT_EQ(page->GetCoordinateUnit(), COMMON::COOR_UNIT_FT);
    EXPECT_EQ(page->GetDepthUnit(), COMMON::COOR_UNIT_CM);
    uitest::PressButton(page, Page::IDC_UNITS_DIFFER); // unticking takes the units back
    EXPECT_EQ(List(Page::IDC_DEPTH_UNIT)->currentText(), "m");
    EXPECT_EQ(page->GetDepthUnit(), COMMON::COOR_UNIT_M);
    EXPECT_FALSE(Differ());
    uitest::SaveScreenshot(host.get(), "page-well-data-unit.png");
}
