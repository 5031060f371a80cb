// The log settings page as a user drives it: what it reports confirmed
// unchanged, and the null value list with its context menu. (The depth
// reference and its elevation, the curve group and the references following
// the path layout are shown through the log import dialogs.)
#include "controls/CEditListCtrl.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/PageHost.h"
#include "uisupport/ListDriver.h"

#include <QLineEdit>
#include <QRadioButton>

using Page = CDlgSingleWellLogSetting;

class WellLogSettingPage : public PageFixture<Page> {
protected:
    void SetUp() override {
        Open("DEPTH GR\n1000 45\n", "设置");
        list = page->GetNullValueList();
    }

    bool Command(int commandId) {
        return uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5), commandId);
    }
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < list->rowCount(); ++row)
            texts << list->GetItemText(row, column);
        return texts;
    }

    CEditListCtrl* list = nullptr;
};

TEST_F(WellLogSettingPage, ConfirmedUnchangedItMergesAtTheKellyBushingWithOneNullValue) {
    // What it reports and what it shows agree.
    EXPECT_EQ(page->GetGroupMode(), 1);
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_MERGE_FIRST_GROUP)->isChecked());
    EXPECT_EQ(page->GetDepthReference(), DEPTH_REF_KELLY_BUSHING);
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_KELLY_BUSHING)->isChecked());
    auto* elevation = uitest::Control<QLineEdit>(page, Page::IDC_OTHER_ELEVATION);
    EXPECT_TRUE(elevation->text() == "0" && elevation->isReadOnly());
    EXPECT_FALSE(uitest::Control<QLineEdit>(page, Page::IDC_GROUP_NAME)->isEnabled());
    EXPECT_EQ(page->GetNullValues(), (std::vector<float>{-9999.0f}));
    EXPECT_EQ(Column(0) + Column(1), (QStringList{" 1", "-9999.00"}));
}

TEST_F(WellLogSettingPage, NullValuesAreReadFromTheLastRowUpSkippingEmptyRowsAndZero) {
    host->ShowPage(page);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Command(CEditListCtrl::ID_ADD_RECORD));
    EXPECT_EQ(Column(0), (QStringList{" 1", " 2", " 3", " 4", " 5"}));
    for (auto [row, text] : {std::pair{2, "-999.25"}, {3, "0"}, {4, "abc"}})
        ASSERT_TRUE(uitest::TypeIntoCell(list, row, Page::kValueColumn, text));
    EXPECT_EQ(page->GetNullValues(), (std::vector<float>{-999.25f, -9999.0f}));
    uitest::SaveScreenshot(host.get(), "page-well-log-setting.png");

    // Deleting removes every selected row.
    uitest::ClickCell(list, 1, 0);
    uitest::ClickCell(list, 3, 0, Qt::ShiftModifier);
    ASSERT_TRUE(Command(CEditListCtrl::ID_DELETE_RECORD));
    EXPECT_EQ(Column(0), (QStringList{" 1", " 5"}));
    ASSERT_TRUE(Command(CEditListCtrl::ID_DELETE_ALL));
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_TRUE(page->GetNullValues().empty());
}
