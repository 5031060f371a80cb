// The single well log data page: long names, 200 curves, and what it collects
// from the rows as edited. (The depth curve as the path's MD is held against
// the headless load on the interactive road.)
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgImportSingleWellLog.h"
#include "pages/CDlgSingleWellLogInputData.h"
#include "pages/ShownDialog.h"
#include "settings/ScopedSettingsFile.h"
#include "uisupport/ListDriver.h"

#include <QComboBox>
#include <QScrollBar>

using Single = CDlgSingleWellLogInputData;

namespace {

class WellLogDataPages : public ShownDialog<CDlgImportSingleWellLog> {
protected:
    void OpenLog(const std::string& bytes) {
        Open(bytes, CDlgImportSingleWellLog::kDataTab, true);
        page = dialog->GetDataPage();
        list = page->GetCurveList();
    }

    settings_test::ScopedSettingsFile settings{
        settings_test::SectionText("well_log", {"17=DEPTH 深度 DEPT", "21=GR", "30=RT"})};
    Single* page = nullptr;
    CEditListCtrl* list = nullptr;
};

} // namespace

TEST_F(WellLogDataPages, WhatTheUserTicksAndEditsIsWhatIsCollected) {
    OpenLog("DEPTH GR RT CURVE9\n1000 50 10 1\n1001 51 11 2\n");
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kCurveTypeColumn, "CAL"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 3, CEditListCtrl::kUnitColumn, "厘米"));
    ASSERT_TRUE(uitest::ChooseInCell(list, 1, CEditListCtrl::kFileColumnColumn, "3"));
    // A long name shows whole in its tool tip; it is collected cut to the
    // 127 characters of the curve record, never keeping half a character
    // that takes two UTF-16 units.
    const QString longName = QString(126, QChar(0x4E95)) + QString::fromUcs4(U"\U00020000") + "x";
    ASSERT_TRUE(uitest::TypeIntoCell(list, 2, CEditListCtrl::kCurveNameColumn, longName));
    EXPECT_EQ(list->item(2, 0)->toolTip(), longName);
    std::list<COMMON::STRUCT_CURVE_ITEM> curves;
    page->CollectCurves(curves);
    QStringList collected; // each as "name|column|type|unit"
    for (const COMMON::STRUCT_CURVE_ITEM& curve : curves)
        collected << QString::fromStdWString(curve.strName + L"|" + std::to_wstring(curve.nColumn) +
                                             L"|" + curve.strType + L"|" + curve.strUnit);
    EXPECT_EQ(collected,
              (QStringList{"DEPTH|1|DEPTH|m", "GR|3|GR|API",
                           QString(126, QChar(0x4E95)) + "|3|RT|Ω·M", "CURVE9|4|CAL|厘米"}));
}

TEST_F(WellLogDataPages, TwoHundredLasCurvesAreListedAndScroll) {
    std::string curves = " DEPT.M : depth\n";
    std::string values = "1000";
    for (int i = 1; i < 200; ++i) {
        curves += " C" + std::to_string(i) + ".API : curve " + std::to_string(i) + "\n";
        values += " " + std::to_string(i);
    }
    curves += " " + std::string(300, 'L') + ".OHMM : a long mnemonic\n";
    OpenLog(testing_support::LasHeader() + "~Curve\n" + curves + "~A\n" + values + " 9\n");
    dialog->resize(760, 420);
    ASSERT_EQ(list->rowCount(), 201);
    EXPECT_EQ(list->GetCellChoiceTexts(0, CEditListCtrl::kFileColumnColumn).size(), 201);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->item(200, 0)->toolTip(), QString(300, 'L'));
    list->scrollToBottom();
    uitest::SaveScreenshot(dialog.get(), "page-well-log-data-200-las-curves.png");
}
