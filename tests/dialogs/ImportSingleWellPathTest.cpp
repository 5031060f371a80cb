// The well path import dialog driven as a user drives it, on files written for
// it: its three tabs, what OK hands the well path loader, every check OK makes
// with its message, and Cancel handing nothing over.
#include "controls/CColorStatic.h"
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "dialogs/QtPresenters.h"
#include "loaders/CWellPath.h"
#include "pages/CDlgSingleWellPathHints.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/CDlgWellDataUnit.h"
#include "platform/MultiByteConverter.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using Dlg = CDlgImportSingleWellPath;
using DataPage = CDlgSingleWellPathInputData;
using UnitPage = CDlgWellDataUnit;
using testing_support::MessageCapture;
using testing_support::ScratchFile;
using welldata::MessageResult;
using welldata::PathColumn;

namespace {

const wchar_t* const kIncompleteQuestion =
    L"井轨迹数据不完整，请重新选择或校正数据文件。\r\n选择YES重新选择，选择NO退出加载程序。";

const std::string kSettings = settings_test::SectionText(
    "well_path", {"8=MD 测深", "9=X 东坐标", "10=Y 北坐标", "11=Z", "12=DX", "13=DY", "14=TVD 垂深",
                  "15=INCL", "16=AZIM"});

const std::string kTvdXYFile = "MD TVD X Y\n1000 999.5 20512345.25 4376210.5\n"
                               "1010 1009.4 20512346.65 4376211.34\n";

void ShowTab(Dlg& dialog, int index) {
    uitest::ClickTab(dialog.GetTabCtrl(), index);
}

void ChooseColumn(Dlg& dialog, int listId, int index) {
    ASSERT_TRUE(
        uitest::ChooseComboIndex(uitest::Control<QComboBox>(dialog.GetDataPage(), listId), index));
}

void TickHasNullValue(Dlg& dialog, const QString& value) {
    uitest::PressButton(dialog.GetDataPage(), DataPage::IDC_HAS_NULL_VALUE);
    uitest::RetypeText(dialog.GetDataPage()->NullValueBox(), value);
}

class ImportSingleWellPath : public testing::Test {
protected:
    // Runs the dialog on a table with the text `bytes`; `drive` acts on it
    // once it is up and ends it (or leaves that to a message's answer).
    int Run(const std::string& bytes, const std::function<void(Dlg&)>& drive,
            bool withLoader = true) {
        file.Write(bytes);
        dialog = std::make_unique<Dlg>(&file.reader);
        if (withLoader)
            dialog->SetLoader(&loader);
        return uitest::RunModal(*dialog, [&drive](QDialog& d) { drive(static_cast<Dlg&>(d)); });
    }

    settings_test::ScopedSettingsFile settings{kSettings};
    ScratchFile file;
    COMMON::STRUCT_WELL_PATH record;
    CWellPath loader{&file.reader, &record};
    MessageCapture messages;
    std::unique_ptr<Dlg> dialog;
};

} // namespace

TEST_F(ImportSingleWellPath, OpensOnItsHintsWithThreeTabsAndCancelHandsNothingOver) {
    loader.SetDataType(PATH_X_Y_Z);
    const int result = Run(kTvdXYFile, [this](Dlg& d) {
        EXPECT_EQ(d.windowTitle(), "导入井轨迹");
        CTabCtrlExt* tabs = d.GetTabCtrl();
        ASSERT_EQ(tabs->count(), 3);
        EXPECT_EQ(tabs->tabText(0), "操作说明");
        EXPECT_EQ(tabs->tabText(1), "数据");
        EXPECT_EQ(tabs->tabText(2), "单位");
        EXPECT_EQ(tabs->GetCurrentPage(), d.GetHintsPage());
        auto* step = uitest::Control<CColorStatic>(d.GetHintsPage(),
                                                   CDlgSingleWellPathHints::IDC_CURRENT_STEP);
        ASSERT_NE(step, nullptr);
        EXPECT_EQ(step->text(), "导入井轨迹");
        EXPECT_TRUE(step->autoFillBackground());
        const QList<QLabel*> labels = d.GetHintsPage()->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
            return label->text().startsWith("（1）、首先选择井") &&
                   label->text().contains("\n（2）、如果文件中有空值，请务必指定");
        }));
        EXPECT_FALSE(file.reader.GetRows().empty()); // the preview's rows

        ShowTab(d, 1); // the user makes a choice, then thinks better of it
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_MD_INCL_AZIM);
        uitest::PressCancel(&d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
    EXPECT_EQ(loader.GetDataType(), PATH_X_Y_Z);
    EXPECT_TRUE(file.reader.GetRows().empty());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ImportSingleWellPath, OkHandsTheLoaderEveryChoiceOfThePages) {
    const int result = Run(kTvdXYFile, [](Dlg& d) {
        ShowTab(d, 1);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_TVD_X_Y);
        TickHasNullValue(d, "-999.25");
        ShowTab(d, 2);
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        ASSERT_TRUE(uitest::ChooseComboText(
            uitest::Control<QComboBox>(d.GetUnitPage(), UnitPage::IDC_DEPTH_UNIT), "ft"));
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_RADIANS);
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_TRUE(dialog->GetHandedOver().has_value());
    const welldata::PathColumnAssignment& handed = *dialog->GetHandedOver();
    EXPECT_EQ(handed.dataType, PATH_TVD_X_Y);
    EXPECT_EQ(handed.Column(PathColumn::Md), 1);
    EXPECT_EQ(handed.Column(PathColumn::Tvd), 2);
    EXPECT_EQ(handed.Column(PathColumn::X), 3);
    EXPECT_EQ(handed.Column(PathColumn::Y), 4);
    EXPECT_TRUE(handed.hasMd && handed.hasNullValue);
    EXPECT_FLOAT_EQ(handed.nullValue, -999.25f);
    EXPECT_EQ(handed.convertUnits, 1);
    EXPECT_EQ(handed.coordinateUnit, COMMON::COOR_UNIT_M);
    EXPECT_EQ(handed.depthUnit, COMMON::COOR_UNIT_FT);
    EXPECT_EQ(handed.angleUnit, ANGLE_RADIANS);
    EXPECT_FALSE(handed.azimuthTrueNorth);
    EXPECT_EQ(loader.GetDataType(), PATH_TVD_X_Y);
    EXPECT_TRUE(loader.GetConvertUnits());
}

TEST_F(ImportSingleWellPath, UnitsTakenBackBeforeOkAreNotHandedOver) {
    const int result = Run(kTvdXYFile, [](Dlg& d) {
        ShowTab(d, 1);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_TVD_X_Y);
        ShowTab(d, 2);
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        ASSERT_TRUE(uitest::ChooseComboText(
            uitest::Control<QComboBox>(d.GetUnitPage(), UnitPage::IDC_COOR_UNIT), "ft"));
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog->GetHandedOver()->convertUnits, 0);
    EXPECT_EQ(dialog->GetHandedOver()->coordinateUnit, COMMON::COOR_UNIT_M);
    EXPECT_FALSE(loader.GetConvertUnits());
}

TEST_F(ImportSingleWellPath, WithoutALoaderOkSaysSoAndEndsAsCancelled) {
    const int result = Run(
        kTvdXYFile, [](Dlg& d) { uitest::PressOk(&d); }, false);
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    const welldata::MessageRequest& message = messages.Messages().front();
    EXPECT_EQ(message.text, L"在设置用户数据时，出现异常。");
    EXPECT_EQ(message.owner, welldata::MessageOwner::ApplicationBox);
    EXPECT_EQ(message.icon, welldata::MessageIcon::None);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
}

TEST_F(ImportSingleWellPath, AnIncompleteChoiceAnsweredNoEndsTheLoad) {
    messages.AnswerNext(MessageResult::No);
    loader.SetDataType(PATH_X_Y_Z);
    const int result = Run("MD A B\n1000 1 2\n", [](Dlg& d) { uitest::PressOk(&d); });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    const welldata::MessageRequest& question = messages.Messages().front();
    EXPECT_EQ(question.text, kIncompleteQuestion);
    EXPECT_EQ(question.caption, welldata::kProductCaption);
    EXPECT_EQ(question.buttons, welldata::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, welldata::MessageIcon::Information);
    EXPECT_EQ(question.owner, welldata::MessageOwner::Dialog);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
    EXPECT_EQ(loader.GetDataType(), PATH_X_Y_Z);
}

TEST_F(ImportSingleWellPath, AnIncompleteChoiceAnsweredYesKeepsThePagesForAnotherChoice) {
    messages.AnswerNext(MessageResult::Yes);
    const int result = Run("MD TVD Q R\n1000 999 1 2\n", [this](Dlg& d) {
        ShowTab(d, 1);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_TVD_X_Y);
        uitest::PressOk(&d);
        EXPECT_EQ(messages.Count(), 1u);
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(d.GetDataPage()->GetDataType(), PATH_TVD_X_Y); // as the user left it
        ChooseColumn(d, DataPage::IDC_ROW1_COLUMN, 2);
        ChooseColumn(d, DataPage::IDC_ROW2_COLUMN, 3);
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(dialog->GetHandedOver()->Column(PathColumn::X), 3);
    EXPECT_EQ(dialog->GetHandedOver()->Column(PathColumn::Y), 4);
}

TEST_F(ImportSingleWellPath, ANullValueThatIsNotANumberIsAskedForAgain) {
    const int result = Run(kTvdXYFile, [this](Dlg& d) {
        ShowTab(d, 1);
        uitest::PressButton(d.GetDataPage(), DataPage::IDC_TVD_X_Y);
        TickHasNullValue(d, "无");
        ShowTab(d, 2);
        uitest::PressOk(&d);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages().front().text, L"设定的空值不是有效的数值，请重新输入。");
        EXPECT_EQ(messages.Messages().front().owner, welldata::MessageOwner::Dialog);
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(d.GetTabCtrl()->GetCurrentPage(), d.GetDataPage()); // where the value is
        TickHasNullValue(d, "-999");                                  // unticks
        TickHasNullValue(d, "-999");                                  // ticks again
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(dialog->GetHandedOver()->hasNullValue);
    EXPECT_FLOAT_EQ(dialog->GetHandedOver()->nullValue, -999.0f);
}

TEST_F(ImportSingleWellPath, AnIncompleteChoiceIsAskedAboutBeforeTheNullValue) {
    messages.AnswerNext(MessageResult::No);
    const int result = Run("MD A B\n1000 1 2\n", [](Dlg& d) {
        ShowTab(d, 1);
        TickHasNullValue(d, "abc");
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Messages().front().text, kIncompleteQuestion);
}

TEST(ImportSingleWellPathScreens, EachTabOnTheSampleFile) {
    settings_test::ScopedSettingsFile settings(
        testing_support::Narrow(L"[well_path]\n8=MD 测深\n9=X\n10=Y\n14=TVD 垂深\n"));
    welldata::InstallQtPresenters();
    CDataFileReader reader;
    reader.SetFilePath(testing_support::SamplePath("well_path.txt"));
    COMMON::STRUCT_WELL_PATH record;
    CWellPath loader(&reader, &record);
    Dlg dialog(&reader);
    dialog.SetLoader(&loader);
    const int result = uitest::RunModal(dialog, [](QDialog& d) {
        auto& path = static_cast<Dlg&>(d);
        uitest::SaveScreenshot(&path, "import-well-path-hints.png");
        ShowTab(path, 1);
        uitest::PressButton(path.GetDataPage(), DataPage::IDC_TVD_X_Y);
        uitest::SaveScreenshot(&path, "import-well-path-data.png");
        ShowTab(path, 2);
        uitest::PressButton(path.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        uitest::SaveScreenshot(&path, "import-well-path-units.png");
        ShowTab(path, 1);
        uitest::PressButton(path.GetDataPage(), DataPage::IDC_X_Y_Z); // Z is not in the file
        // The question as the user sees it: a real box, answered Yes.
        auto answer = uitest::WhenModal<QMessageBox>([](QMessageBox* box) {
            uitest::SaveScreenshot(box, "import-well-path-incomplete.png");
            box->button(QMessageBox::Yes)->click();
        });
        uitest::PressOk(&path);
        EXPECT_TRUE(answer->Fired());
        uitest::PressCancel(&path);
    });
    EXPECT_EQ(result, QDialog::Rejected);
}
