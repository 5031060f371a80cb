// The unit question dialog driven as a user would: ticks, list choices, keys.
#include "controls/ControlId.h"
#include "dialogs/CDlgBatchLoadWellLogUnitShow.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using Dlg = CDlgBatchLoadWellLogUnitShow;
using welldata::FindControl;

class UnitQuestionDialog : public testing::Test {
protected:
    void Open(COMMON::ENUM_COOR_UNIT coor, COMMON::ENUM_COOR_UNIT depth,
              const std::wstring& path = L"C:\\data\\w1.las") {
        dialog.SetFilePath(path);
        dialog.SetUnits(coor, depth);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("单位转换设置 - w1.las"));
    }
    QCheckBox* Check(int id) { return FindControl<QCheckBox>(&dialog, id); }
    QComboBox* Combo(int id) { return FindControl<QComboBox>(&dialog, id); }

    void Choose(int id, int index) {
        QTest::keyClick(Combo(id), Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(Combo(id), Qt::Key_Down);
    }

    Dlg dialog;
};

TEST_F(UnitQuestionDialog, OpensWithTheFileUnits) {
    Open(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_M);
    EXPECT_TRUE(Check(Dlg::IDC_UNITS_DIFFER)->isChecked());
    EXPECT_EQ(Combo(Dlg::IDC_COOR_UNIT)->currentText(), QStringLiteral("ft"));
    EXPECT_EQ(Combo(Dlg::IDC_DEPTH_UNIT)->currentText(), QStringLiteral("m"));
    for (int id : {Dlg::IDC_COOR_UNIT, Dlg::IDC_DEPTH_UNIT}) { // enabled, extended lists
        EXPECT_TRUE(Combo(id)->isEnabled());
        EXPECT_EQ(Combo(id)->property("dropHeightExtension").toInt(), 80);
    }
    for (int id : {Dlg::IDC_SYSTEM_COOR_UNIT, Dlg::IDC_SYSTEM_DEPTH_UNIT}) {
        auto* edit = FindControl<QLineEdit>(&dialog, id);
        EXPECT_TRUE(edit && edit->text() == "M" && edit->isReadOnly() && !edit->isEnabled());
    }
    uitest::SaveScreenshot(&dialog, "unit-question-dialog.png");
}

TEST_F(UnitQuestionDialog, TheTickFollowsTheListsAndUntickingResetsThem) {
    Open(COMMON::COOR_UNIT_FT, COMMON::COOR_UNIT_IN, L"w1.las");
    Choose(Dlg::IDC_COOR_UNIT, 0);
    EXPECT_TRUE(Check(Dlg::IDC_UNITS_DIFFER)->isChecked()); // depth is still inches
    Choose(Dlg::IDC_DEPTH_UNIT, 0);
    EXPECT_FALSE(Check(Dlg::IDC_UNITS_DIFFER)->isChecked() || dialog.UnitsDiffer());
    EXPECT_FALSE(Combo(Dlg::IDC_COOR_UNIT)->isEnabled() || Combo(Dlg::IDC_DEPTH_UNIT)->isEnabled());

    QTest::mouseClick(Check(Dlg::IDC_UNITS_DIFFER), Qt::LeftButton); // enables the lists again
    Choose(Dlg::IDC_COOR_UNIT, 2);
    Choose(Dlg::IDC_DEPTH_UNIT, 3);
    EXPECT_EQ(dialog.GetDepthUnit(), COMMON::COOR_UNIT_DM);
    QTest::mouseClick(Check(Dlg::IDC_UNITS_DIFFER), Qt::LeftButton);
    EXPECT_EQ(
        Combo(Dlg::IDC_COOR_UNIT)->currentIndex() + Combo(Dlg::IDC_DEPTH_UNIT)->currentIndex(), 0);
    EXPECT_EQ(std::make_pair(dialog.GetCoorUnit(), dialog.GetDepthUnit()),
              std::make_pair(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_M));
}

TEST_F(UnitQuestionDialog, OkIsTheOnlyWayOut) {
    Open(COMMON::COOR_UNIT_M, COMMON::COOR_UNIT_FT);
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.close()); // the close box
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        QTest::mouseClick(Check(Dlg::IDC_DONT_ASK_AGAIN), Qt::LeftButton);
        QTest::mouseClick(FindControl<QPushButton>(&dialog, Dlg::IDOK_BUTTON), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(dialog.DontAskAgain());
    EXPECT_EQ(dialog.GetDepthUnit(), COMMON::COOR_UNIT_FT);
}

TEST(UnitQuestionInHost, LoadingAFeetFileByNameAsksWithTheDialog) {
    std::wstring path = testing_support::SamplePath("well_log_feet.las");
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (auto* dialog = qobject_cast<Dlg*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("单位转换设置 - well_log_feet.las"));
            EXPECT_EQ(FindControl<QComboBox>(dialog, Dlg::IDC_DEPTH_UNIT)->currentText(), "ft");
            QTest::mouseClick(FindControl<QCheckBox>(dialog, Dlg::IDC_DONT_ASK_AGAIN),
                              Qt::LeftButton);
            QTest::mouseClick(FindControl<QPushButton>(dialog, Dlg::IDOK_BUTTON), Qt::LeftButton);
        }
    });
    poll->start(10);
    CLoadData data(COMMON::LDT_WELL_DATA);
    ASSERT_TRUE(data.ReadFile(path));
    EXPECT_EQ(data.GetWellLog().lstCurves.front().strUnit, L"M");
    bool settled = false; // asked, and the tick carried into the answer
    COMMON::ENUM_COOR_UNIT coor{}, depth{};
    data.GetWellCurveUnitsInfo(settled, coor, depth);
    EXPECT_TRUE(settled);
    EXPECT_EQ(depth, COMMON::COOR_UNIT_FT);
}
