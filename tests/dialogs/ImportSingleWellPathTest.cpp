// The well path import dialog driven as a user drives it, on files written for
// it: its three tabs, what OK hands the well path loader, every check OK makes
// with its message, and Cancel handing nothing over.
#include "controls/CTabCtrlExt.h"
#include "dialogs/CDlgImportSingleWellPath.h"
#include "dialogs/DialogFixture.h"
#include "dialogs/QtPresenters.h"
#include "loaders/CWellPath.h"
#include "pages/CDlgSingleWellPathHints.h"
#include "pages/CDlgSingleWellPathInputData.h"
#include "pages/CDlgWellDataUnit.h"

#include <QLineEdit>

using Dlg = CDlgImportSingleWellPath;
using DataPage = CDlgSingleWellPathInputData;
using UnitPage = CDlgWellDataUnit;
using welldata::MessageResult;
using welldata::PathColumn;

namespace {

const wchar_t* const kIncompleteQuestion =
    L"井轨迹数据不完整，请重新选择或校正数据文件。\r\n选择YES重新选择，选择NO退出加载程序。";

const std::string kTvdXYFile = "MD TVD X Y\n1000 999.5 20512345.25 4376210.5\n"
                               "1010 1009.4 20512346.65 4376211.34\n";

// Shows the data tab and picks a layout.
void ChooseLayout(Dlg& dialog, int radioId) {
    uitest::ClickTab(dialog.GetTabCtrl(), 1);
    uitest::PressButton(dialog.GetDataPage(), radioId);
}

void TickHasNullValue(Dlg& dialog, const QString& value) {
    uitest::PressButton(dialog.GetDataPage(), DataPage::IDC_HAS_NULL_VALUE);
    uitest::RetypeText(dialog.GetDataPage()->NullValueBox(), value);
}

void ChooseUnit(Dlg& dialog, int listId, const char* unit) {
    ASSERT_TRUE(
        uitest::ChooseComboText(uitest::Control<QComboBox>(dialog.GetUnitPage(), listId), unit));
}

class ImportSingleWellPath : public DialogFixture<Dlg> {
protected:
    ImportSingleWellPath()
        : DialogFixture(
              settings_test::SectionText("well_path", {"8=MD", "9=X", "10=Y", "11=Z", "12=DX",
                                                       "13=DY", "14=TVD", "15=INCL", "16=AZIM"})) {}
    void Bind(Dlg& d) override { d.SetLoader(&loader); }

    COMMON::STRUCT_WELL_PATH record;
    CWellPath loader{&file.reader, &record};
};

} // namespace

TEST_F(ImportSingleWellPath, OkHandsTheLoaderEveryChoiceButUnitsTakenBack) {
    const int result = Run(kTvdXYFile, [](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        TickHasNullValue(d, "-999.25");
        uitest::ClickTab(d.GetTabCtrl(), 2);
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        ChooseUnit(d, UnitPage::IDC_COOR_UNIT, "ft");
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER); // takes it back
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        ChooseUnit(d, UnitPage::IDC_DEPTH_UNIT, "ft");
        uitest::PressButton(d.GetUnitPage(), UnitPage::IDC_RADIANS);
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_TRUE(dialog->GetHandedOver().has_value());
    const welldata::PathColumnAssignment& handed = *dialog->GetHandedOver();
    EXPECT_EQ(handed.dataType, PATH_TVD_X_Y);
    welldata::PathColumnAssignment columns;
    for (auto [column, number] : {std::pair{PathColumn::Md, 1},
                                  {PathColumn::Tvd, 2},
                                  {PathColumn::X, 3},
                                  {PathColumn::Y, 4}})
        columns.Column(column) = static_cast<std::uint16_t>(number);
    EXPECT_EQ(handed.columns, columns.columns);
    EXPECT_TRUE(handed.hasMd && handed.hasNullValue && !handed.azimuthTrueNorth);
    EXPECT_FLOAT_EQ(handed.nullValue, -999.25f);
    EXPECT_EQ(handed.convertUnits, 1);
    EXPECT_EQ(handed.coordinateUnit, COMMON::COOR_UNIT_M);
    EXPECT_EQ(handed.depthUnit, COMMON::COOR_UNIT_FT);
    EXPECT_EQ(handed.angleUnit, ANGLE_RADIANS);
    EXPECT_EQ(loader.GetDataType(), PATH_TVD_X_Y);
    EXPECT_TRUE(loader.GetConvertUnits());
}

TEST_F(ImportSingleWellPath, WithoutALoaderOkSaysSoAndEndsAsCancelled) {
    EXPECT_EQ(Run(
                  kTvdXYFile, [](Dlg& d) { uitest::PressOk(&d); }, false),
              QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    const welldata::MessageRequest& message = messages.Messages().front();
    EXPECT_EQ(message.text, L"在设置用户数据时，出现异常。");
    EXPECT_EQ(message.owner, welldata::MessageOwner::ApplicationBox);
    EXPECT_EQ(message.icon, welldata::MessageIcon::None);
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
}

TEST_F(ImportSingleWellPath, CancelOrAnIncompleteChoiceAnsweredNoHandsNothingOver) {
    loader.SetDataType(PATH_X_Y_Z);
    EXPECT_EQ(Run(kTvdXYFile,
                  [](Dlg& d) {
                      EXPECT_EQ(d.GetTabCtrl()->GetCurrentPage(), d.GetHintsPage());
                      ChooseLayout(d, DataPage::IDC_MD_INCL_AZIM); // thought better of
                      uitest::PressCancel(&d);
                  }),
              QDialog::Rejected);
    EXPECT_EQ(messages.Count(), 0u);
    // The layout is asked about before the null value, which is no number either.
    messages.AnswerNext(MessageResult::No);
    EXPECT_EQ(Run("MD A B\n1000 1 2\n",
                  [](Dlg& d) {
                      uitest::ClickTab(d.GetTabCtrl(), 1);
                      TickHasNullValue(d, "abc");
                      uitest::PressOk(&d);
                  }),
              QDialog::Rejected);
    ASSERT_EQ(messages.Count(), 1u);
    const welldata::MessageRequest& q = messages.Messages().front();
    EXPECT_EQ(q.text, kIncompleteQuestion);
    EXPECT_EQ(std::tuple(q.caption, q.buttons, q.icon, q.owner),
              std::tuple(std::wstring(welldata::kProductCaption), welldata::MessageButtons::YesNo,
                         welldata::MessageIcon::Information, welldata::MessageOwner::Dialog));
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
    EXPECT_EQ(loader.GetDataType(), PATH_X_Y_Z);
}

TEST_F(ImportSingleWellPath, ANullValueThatIsNotANumberIsAskedForAgain) {
    const int result = Run(kTvdXYFile, [this](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        TickHasNullValue(d, "无");
        uitest::ClickTab(d.GetTabCtrl(), 2);
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

// The question as the user sees it: a real box, answered Yes.
TEST(ImportSingleWellPathScreens, EachTabAndAnIncompleteChoiceAnsweredYesOnTheSample) {
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
        ChooseLayout(path, DataPage::IDC_TVD_X_Y);
        uitest::SaveScreenshot(&path, "import-well-path-data.png");
        uitest::ClickTab(path.GetTabCtrl(), 2);
        uitest::PressButton(path.GetUnitPage(), UnitPage::IDC_UNITS_DIFFER);
        uitest::SaveScreenshot(&path, "import-well-path-units.png");
        ChooseLayout(path, DataPage::IDC_X_Y_Z); // Z is not in the file
        auto answer = uitest::WhenModal<QMessageBox>([](QMessageBox* box) {
            uitest::SaveScreenshot(box, "import-well-path-incomplete.png");
            box->button(QMessageBox::Yes)->click();
        });
        uitest::PressOk(&path);
        EXPECT_TRUE(answer->Fired());
        ASSERT_TRUE(path.isVisible());
        EXPECT_EQ(path.GetDataPage()->GetDataType(), PATH_X_Y_Z); // as the user left it
        ChooseLayout(path, DataPage::IDC_TVD_X_Y);
        uitest::PressOk(&path);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.GetHandedOver()->Column(PathColumn::X), 3);
    EXPECT_EQ(dialog.GetHandedOver()->Column(PathColumn::Tvd), 5);
}
