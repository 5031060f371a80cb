// The unit question dialog driven as a user would: ticks, list choices, keys,
// and asked by a load by name of a file in feet.
#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using Dlg = CDlgBatchLoadWellLogUnitShow;

class UnitQuestionDialog : public testing::Test {
protected:
    void Open(COMMON::ENUM_COOR_UNIT coor, COMMON::ENUM_COOR_UNIT depth) {
        dialog.SetFilePath(L"C:\\data\\w1.las");
        dialog.SetUnits(coor, depth);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), "单位转换设置 - w1.las");
    }
    QCheckBox* Check(int id) { return uitest::Control<QCheckBox>(&dialog, id); }
    QComboBox* Combo(int id) { return uitest::Control<QComboBox>(&dialog, id); }
    void Choose(int id, int index) { uitest::ChooseComboIndex(Combo(id), index); }
    bool ListsEnabled() {
        return Combo(Dlg::IDC_COOR_UNIT)->isEnabled() && Combo(Dlg::IDC_DEPTH_UNIT)->isEnabled();
    }

    Dlg dialog;
};

TEST_F(UnitQuestionDialog, OpensWithTheFileUnitsAndOkIsTheOnlyWayOut) {
    Open(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_M);
    EXPECT_TRUE(Check(Dlg::IDC_UNITS_DIFFER)->isChecked() && ListsEnabled());
    EXPECT_EQ(Combo(Dlg::IDC_COOR_UNIT)->currentText(), "ft");
    EXPECT_EQ(Combo(Dlg::IDC_DEPTH_UNIT)->currentText(), "m");
    EXPECT_EQ(Combo(Dlg::IDC_DEPTH_UNIT)->property("dropHeightExtension").toInt(), 80);
    for (int id : {Dlg::IDC_SYSTEM_COOR_UNIT, Dlg::IDC_SYSTEM_DEPTH_UNIT})
        EXPECT_EQ(uitest::Control<QLineEdit>(&dialog, id)->text(), "M");
    uitest::SaveScreenshot(&dialog, "unit-question-dialog.png");
    const int result = uitest::RunModal(dialog, [this](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.close()); // the close box
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
        uitest::ClickButton(Check(Dlg::IDC_DONT_ASK_AGAIN));
        uitest::PressButton(&d, Dlg::IDOK_BUTTON);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(dialog.DontAskAgain());
    EXPECT_EQ(std::pair(dialog.GetCoorUnit(), dialog.GetDepthUnit()),
              std::pair(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_M));
}

TEST_F(UnitQuestionDialog, TheTickFollowsTheListsAndUntickingResetsThem) {
    Open(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_IN);
    Choose(Dlg::IDC_COOR_UNIT, 0);
    EXPECT_TRUE(Check(Dlg::IDC_UNITS_DIFFER)->isChecked()); // depth is still inches
    Choose(Dlg::IDC_DEPTH_UNIT, 0);
    EXPECT_FALSE(Check(Dlg::IDC_UNITS_DIFFER)->isChecked() || dialog.UnitsDiffer() ||
                 ListsEnabled());

    uitest::ClickButton(Check(Dlg::IDC_UNITS_DIFFER)); // enables the lists again
    Choose(Dlg::IDC_COOR_UNIT, 2);
    Choose(Dlg::IDC_DEPTH_UNIT, 3);
    EXPECT_EQ(dialog.GetDepthUnit(), COMMON::COOR_UNIT_DM);
    uitest::ClickButton(Check(Dlg::IDC_UNITS_DIFFER));
    EXPECT_EQ(
        Combo(Dlg::IDC_COOR_UNIT)->currentIndex() + Combo(Dlg::IDC_DEPTH_UNIT)->currentIndex(), 0);
    EXPECT_EQ(std::make_pair(dialog.GetCoorUnit(), dialog.GetDepthUnit()),
              std::make_pair(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M));
}

TEST(UnitQuestionInHost, LoadingAFeetFileByNameAsksWithTheDialog) {
    auto answer = uitest::WhenModal<Dlg>([](Dlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "单位转换设置 - well_log_feet.las");
        EXPECT_EQ(uitest::Control<QComboBox>(dialog, Dlg::IDC_DEPTH_UNIT)->currentText(), "ft");
        uitest::ClickButton(uitest::Control<QCheckBox>(dialog, Dlg::IDC_DONT_ASK_AGAIN));
        uitest::PressButton(dialog, Dlg::IDOK_BUTTON);
    });
    CLoadData data(COMMON::LDT_WELL_DATA);
    ASSERT_TRUE(data.ReadFile(testing_support::SamplePath("well_log_feet.las")));
    EXPECT_TRUE(answer->Fired());
    EXPECT_EQ(data.GetWellLog().lstCurves.front().strUnit, L"M");
    bool settled = false; // asked, and the tick carried into the answer
    COMMON::ENUM_COOR_UNIT coor{}, depth{};
    data.GetWellCurveUnitsInfo(settled, coor, depth);
    EXPECT_TRUE(settled);
    EXPECT_EQ(depth, COMMON::COOR_UNIT_FT);
}
