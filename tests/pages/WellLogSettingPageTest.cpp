// The log settings page as a user drives it: the depth reference and its
// elevation, the curve group, the null value list with its context menu, and
// the reference choices following the dialog's path layout.
#include "controls/CEditListCtrl.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/PageHost.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using Page = CDlgSingleWellLogSetting;

class WellLogSettingPage : public testing::Test {
protected:
    void SetUp() override {
        file.Write("DEPTH GR\n1000 45\n");
        host = std::make_unique<PageHost>(&file.reader);
        page = host->Add(new Page(host.get()), "设置");
        host->Open();
        list = page->GetNullValueList();
    }

    void Click(int id) { uitest::PressButton(page, id); }
    QLineEdit* Edit(int id) { return uitest::Control<QLineEdit>(page, id); }
    bool Command(int commandId) {
        return uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5), commandId);
    }
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < list->rowCount(); ++row)
            texts << list->GetItemText(row, column);
        return texts;
    }

    testing_support::ScratchFile file;
    std::unique_ptr<PageHost> host;
    Page* page = nullptr;
    CEditListCtrl* list = nullptr;
};

TEST_F(WellLogSettingPage, ConfirmedUnchangedItMergesAtTheKellyBushingWithOneNullValue) {
    EXPECT_EQ(page->GetGroupMode(), 1);
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_MERGE_FIRST_GROUP)->isChecked());
    EXPECT_EQ(page->GetDepthReference(), DEPTH_REF_KELLY_BUSHING);
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_KELLY_BUSHING)->isChecked());
    EXPECT_EQ(Edit(Page::IDC_OTHER_ELEVATION)->text(), "0");
    EXPECT_TRUE(Edit(Page::IDC_OTHER_ELEVATION)->isReadOnly());
    EXPECT_EQ(page->GetOtherElevation(), 0.0f);
    EXPECT_EQ(page->GetNullValues(), (std::vector<float>{-9999.0f}));
    EXPECT_EQ(list->GetHeaderTitles(), (QStringList{"序号", "设定值"}));
    EXPECT_EQ(list->horizontalHeader()->sectionSize(0), 80);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(1), 100);
    EXPECT_EQ(Column(0), QStringList{" 1"});
    EXPECT_EQ(Column(1), QStringList{"-9999.00"});
    EXPECT_FALSE(uitest::Control<QWidget>(page, Page::IDC_CONTINUOUS_CURVE)->isVisible());
}

TEST_F(WellLogSettingPage, NullValuesAreReadFromTheLastRowUpSkippingEmptyRowsAndZero) {
    host->ShowPage(page);
    ASSERT_TRUE(Command(CEditListCtrl::ID_ADD_RECORD));
    ASSERT_TRUE(Command(CEditListCtrl::ID_ADD_RECORD));
    EXPECT_EQ(Column(0), (QStringList{" 1", " 2", " 3"}));
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, Page::kValueColumn, "-999.25"));
    EXPECT_EQ(page->GetNullValues(), (std::vector<float>{-999.25f, -9999.0f}));

    ASSERT_TRUE(Command(CEditListCtrl::ID_ADD_RECORD));
    ASSERT_TRUE(Command(CEditListCtrl::ID_ADD_RECORD));
    ASSERT_TRUE(uitest::TypeIntoCell(list, 3, Page::kValueColumn, "0"));
    ASSERT_TRUE(uitest::TypeIntoCell(list, 4, Page::kValueColumn, "abc"));
    EXPECT_EQ(page->GetNullValues(), (std::vector<float>{-999.25f, -9999.0f}));
    uitest::SaveScreenshot(host.get(), "page-well-log-setting.png");
}

TEST_F(WellLogSettingPage, DeletingRecordsRemovesEverySelectedRow) {
    host->ShowPage(page);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Command(CEditListCtrl::ID_ADD_RECORD));
    uitest::ClickCell(list, 1, 0);
    uitest::ClickCell(list, 3, 0, Qt::ShiftModifier);
    ASSERT_TRUE(Command(CEditListCtrl::ID_DELETE_RECORD));
    EXPECT_EQ(Column(0), (QStringList{" 1", " 5"}));
    ASSERT_TRUE(Command(CEditListCtrl::ID_DELETE_ALL));
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_TRUE(page->GetNullValues().empty());
}

TEST_F(WellLogSettingPage, TheOtherReferenceTakesItsElevation) {
    host->ShowPage(page);
    Click(Page::IDC_OTHER_REFERENCE);
    EXPECT_EQ(page->GetDepthReference(), DEPTH_REF_OTHER);
    QLineEdit* elevation = Edit(Page::IDC_OTHER_ELEVATION);
    ASSERT_FALSE(elevation->isReadOnly());
    elevation->selectAll();
    uitest::TypeText(elevation, "12.5");
    EXPECT_FLOAT_EQ(page->GetOtherElevation(), 12.5f);
    Click(Page::IDC_MEAN_SEA_LEVEL);
    EXPECT_EQ(page->GetDepthReference(), DEPTH_REF_MEAN_SEA_LEVEL);
    EXPECT_TRUE(elevation->isReadOnly());
    EXPECT_EQ(page->GetOtherElevation(), 0.0f);
}

TEST_F(WellLogSettingPage, ANewCurveGroupTakesAName) {
    host->ShowPage(page);
    EXPECT_FALSE(Edit(Page::IDC_GROUP_NAME)->isEnabled());
    Click(Page::IDC_NEW_GROUP);
    EXPECT_EQ(page->GetGroupMode(), 0);
    ASSERT_TRUE(Edit(Page::IDC_GROUP_NAME)->isEnabled());
    uitest::TypeText(Edit(Page::IDC_GROUP_NAME), "测井组1");
    EXPECT_EQ(page->GetGroupName(), L"测井组1");
    Click(Page::IDC_MERGE_FIRST_GROUP);
    EXPECT_EQ(page->GetGroupMode(), 1);
}

TEST_F(WellLogSettingPage, AnXYZPathLeavesOnlyMeanSeaLevel) {
    // A host with a second page, so that the settings page can be shown again.
    host = std::make_unique<PageHost>(&file.reader);
    page = host->Add(new Page(host.get()), "设置");
    QWidget* otherPage = host->Add(new CDlgPage(host.get()), "其它");
    host->Open();

    host->pathDataType = PATH_X_Y_Z;
    host->ShowPage(otherPage);
    host->ShowPage(page);
    EXPECT_EQ(page->GetDepthReference(), DEPTH_REF_MEAN_SEA_LEVEL);
    EXPECT_TRUE(uitest::Control<QRadioButton>(page, Page::IDC_MEAN_SEA_LEVEL)->isChecked());
    for (int id : {Page::IDC_KELLY_BUSHING, Page::IDC_OTHER_REFERENCE})
        EXPECT_FALSE(uitest::Control<QWidget>(page, id)->isEnabled());

    host->pathDataType = PATH_TVD_X_Y;
    host->ShowPage(otherPage);
    host->ShowPage(page);
    for (int id : {Page::IDC_KELLY_BUSHING, Page::IDC_OTHER_REFERENCE})
        EXPECT_TRUE(uitest::Control<QWidget>(page, id)->isEnabled());
    EXPECT_EQ(page->GetDepthReference(), DEPTH_REF_MEAN_SEA_LEVEL); // the user's to change
}
