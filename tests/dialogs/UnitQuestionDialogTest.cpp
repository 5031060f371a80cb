// The unit question dialog, asked by a load by name of a file in feet, where
// OK is the only way out and its answer is carried.
#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

using Dlg = CDlgBatchLoadWellLogUnitShow;

TEST(UnitQuestionInHost, LoadingAFeetFileByNameAsksWithTheDialog) {
    auto answer = uitest::WhenModal<Dlg>([](Dlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "单位转换设置 - well_log_feet.las");
        EXPECT_EQ(uitest::Control<QComboBox>(dialog, Dlg::IDC_DEPTH_UNIT)->currentText(), "ft");
        uitest::SaveScreenshot(dialog, "unit-question-dialog.png");
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->close()); // nor the close box
        uitest::ClickButton(uitest::Control<QCheckBox>(dialog, Dlg::IDC_DONT_ASK_AGAIN));
        uitest::PressButton(dialog, Dlg::IDOK_BUTTON);
    });
    CLoadData data(COMMON::LDT_WELL_DATA);
    ASSERT_TRUE(data.ReadFile(testing_support::SamplePath("well_log_feet.las")));
    EXPECT_TRUE(answer->Fired());
    bool settled = false; // asked, and the tick carried into the answer
    COMMON::ENUM_COOR_UNIT coor{}, depth{};
    data.GetWellCurveUnitsInfo(settled, coor, depth);
    EXPECT_TRUE(settled);
    EXPECT_EQ(depth, COMMON::COOR_UNIT_FT);
}
