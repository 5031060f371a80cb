// The unit page as it opens: the system's units and the two unit lists in
// ENUM_COOR_UNIT order. (The question whether the file's units differ, the
// angle unit, the units a dialog presets until the user makes a choice and
// what reaches the loaders are shown through the import dialogs; the tick
// following the lists through the unit question dialog, which shares them.)
#include "pages/CDlgWellDataUnit.h"
#include "pages/PageHost.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using Page = CDlgWellDataUnit;

using WellDataUnitPage = PageFixture<Page>;

TEST_F(WellDataUnitPage, OpensOnMetres) {
    Open("MD TVD X Y\n1000 999 5 6\n", "单位");
    for (int id : {Page::IDC_SYSTEM_COOR_UNIT, Page::IDC_SYSTEM_DEPTH_UNIT})
        EXPECT_EQ(uitest::Control<QLineEdit>(page, id)->text(), "M");
    for (int id : {Page::IDC_COOR_UNIT, Page::IDC_DEPTH_UNIT}) {
        auto* list = uitest::Control<QComboBox>(page, id);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        EXPECT_EQ(entries, (QStringList{"m", "in", "ft", "dm", "cm"}));
        EXPECT_EQ(list->currentIndex(), 0);
        EXPECT_FALSE(list->isEnabled());
    }
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_DEGREES)->isChecked());
    EXPECT_FALSE(page->GetConvertUnits());
    host->ShowPage(page);
    uitest::SaveScreenshot(host.get(), "page-well-data-unit.png");
}
