// The well path import dialog: the checks OK makes, in their order, with their
// messages, and an incomplete layout handing nothing over.
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

namespace {

const std::string kTvdXYFile = "MD TVD X Y\n1000 999.5 20512345.25 4376210.5\n";

void ChooseLayout(Dlg& dialog, int radioId) {
    uitest::ClickTab(dialog.GetTabCtrl(), 1);
    uitest::PressButton(dialog.GetDataPage(), radioId);
}

void TickHasNullValue(Dlg& dialog, const QString& value) {
    uitest::PressButton(dialog.GetDataPage(), DataPage::IDC_HAS_NULL_VALUE);
    uitest::RetypeText(dialog.GetDataPage()->NullValueBox(), value);
}

class ImportSingleWellPath : public DialogFixture<Dlg> {
protected:
    ImportSingleWellPath()
        : DialogFixture(
              settings_test::SectionText("well_path", {"8=MD", "9=X", "10=Y", "14=TVD"})) {}
    void Bind(Dlg& d) override { d.SetLoader(&loader); }

    COMMON::STRUCT_WELL_PATH record;
    CWellPath loader{&file.reader, &record};
};

} // namespace

TEST_F(ImportSingleWellPath, WithoutALoaderOkSaysSoAndEndsAsCancelled) {
    const auto ok = [](Dlg& d) { uitest::PressOk(&d); };
    EXPECT_EQ(Run(kTvdXYFile, ok, false), QDialog::Rejected);
    EXPECT_EQ(messages.Single(), L"在设置用户数据时，出现异常。");
    EXPECT_FALSE(dialog->GetHandedOver().has_value());
}

TEST_F(ImportSingleWellPath, ANullValueThatIsNotANumberIsAskedForAgainOnItsTab) {
    const int result = Run(kTvdXYFile, [this](Dlg& d) {
        ChooseLayout(d, DataPage::IDC_TVD_X_Y);
        TickHasNullValue(d, "无");
        uitest::ClickTab(d.GetTabCtrl(), 2);
        uitest::PressOk(&d);
        EXPECT_EQ(Said(messages.Messages().at(0)),
                  L"设定的空值不是有效的数值，请重新输入。|Welvorax|1 1 0");
        EXPECT_EQ(d.GetTabCtrl()->GetCurrentPage(), d.GetDataPage());
        uitest::RetypeText(d.GetDataPage()->NullValueBox(), "-999");
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog->GetHandedOver()->nullValue, -999.0f);
}

// The question about an incomplete layout, asked before the null value is
// looked at, on a real box: Yes goes back to the dialog, No ends it.
TEST(ImportSingleWellPathScreens, EachTabAndTheIncompleteLayoutQuestionOnTheSample) {
    settings_test::ScopedSettingsFile settings(
        testing_support::Narrow(L"[well_path]\n8=MD 测深\n9=X\n10=Y\n14=TVD 垂深\n"));
    welldata::InstallQtPresenters();
    CDataFileReader reader;
    reader.SetFilePath(testing_support::SamplePath("well_path.txt"));
    COMMON::STRUCT_WELL_PATH record;
    CWellPath loader(&reader, &record);
    loader.SetDataType(PATH_MD_INCL_AZIM);
    Dlg dialog(&reader);
    dialog.SetLoader(&loader);
    const auto answerOk = [&dialog](QMessageBox::StandardButton answer, const char* screenshot) {
        auto asked = uitest::WhenModal<QMessageBox>([&](QMessageBox* box) {
            EXPECT_EQ(std::tuple(box->text(), box->windowTitle(), box->icon(),
                                 box->standardButtons(), box->parentWidget()),
                      std::tuple(QString("井轨迹数据不完整，请重新选择或校正数据文件。\r\n"
                                         "选择YES重新选择，选择NO退出加载程序。"),
                                 QString("Welvorax"), QMessageBox::Information,
                                 QMessageBox::Yes | QMessageBox::No, &dialog));
            if (screenshot != nullptr)
                uitest::SaveScreenshot(box, screenshot);
            box->button(answer)->click();
        });
        uitest::PressOk(&dialog);
        EXPECT_TRUE(asked->Fired());
    };
    const int result = uitest::RunModal(dialog, [&](QDialog&) {
        EXPECT_EQ(dialog.GetTabCtrl()->GetCurrentPage(), dialog.GetHintsPage());
        uitest::SaveScreenshot(&dialog, "import-well-path-hints.png");
        ChooseLayout(dialog, DataPage::IDC_TVD_X_Y);
        EXPECT_EQ(uitest::Control<QComboBox>(dialog.GetDataPage(), DataPage::IDC_ROW3_COLUMN)
                      ->currentText(),
                  "5:TVD"); // chosen by the settings file
        uitest::SaveScreenshot(&dialog, "import-well-path-data.png");
        uitest::ClickTab(dialog.GetTabCtrl(), 2);
        uitest::PressButton(dialog.GetUnitPage(), CDlgWellDataUnit::IDC_UNITS_DIFFER);
        uitest::SaveScreenshot(&dialog, "import-well-path-units.png");
        uitest::SaveScreenshot(dialog.GetUnitPage(), "page-well-data-unit.png");
        ChooseLayout(dialog, DataPage::IDC_X_Y_Z); // Z is not in the file
        TickHasNullValue(dialog, "abc");
        answerOk(QMessageBox::Yes, "import-well-path-incomplete.png");
        EXPECT_EQ(dialog.GetDataPage()->GetDataType(), PATH_X_Y_Z); // as the user left it
        answerOk(QMessageBox::No, nullptr);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(dialog.GetHandedOver().has_value());
    EXPECT_EQ(loader.GetDataType(), PATH_MD_INCL_AZIM);
}
