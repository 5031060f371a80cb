// The log settings page's null values, read from the last row up.
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "pages/CDlgSingleWellLogSetting.h"
#include "pages/ShownDialog.h"
#include "uisupport/ListDriver.h"

using Page = CDlgSingleWellLogSetting;
using WellLogSettingPage = ShownDialog<CDlgImportSingleWellLog>;

TEST_F(WellLogSettingPage, NullValuesAreReadFromTheLastRowUpSkippingEmptyRowsAndZero) {
    Open("DEPTH GR\n1000 45\n", CDlgImportSingleWellLog::kSettingsTab, true);
    Page* page = dialog->GetSettingPage();
    CEditListCtrl* list = page->GetNullValueList();
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(uitest::ChooseContextCommand(list->viewport(), QPoint(5, 5),
                                                 CEditListCtrl::ID_ADD_RECORD));
    EXPECT_EQ(list->GetItemText(4, 0), " 5");
    for (auto [row, text] : {std::pair{2, "-999.25"}, {3, "0"}, {4, "abc"}})
        ASSERT_TRUE(uitest::TypeIntoCell(list, row, Page::kValueColumn, text));
    EXPECT_EQ(page->GetNullValues(), (std::vector<float>{-999.25f, -9999.0f}));
    uitest::SaveScreenshot(dialog.get(), "page-well-log-setting.png");
}
