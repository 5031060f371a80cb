// The well heads import dialog: OK's checks and messages, and a long column
// name. (The preselection by name and the use and unit boxes are shown on the
// interactive road.)
#include "dialogs/CDlgImportWellHeads.h"
#include "dialogs/DialogFixture.h"
#include "loaders/CWellHead.h"

#include <QAbstractItemView>
#include <QComboBox>

using D = CDlgImportWellHeads;

namespace {

QComboBox* List(const QWidget* dialog, int id) {
    return uitest::Control<QComboBox>(dialog, id);
}

class WellHeadsDialog : public DialogFixture<D> {
protected:
    WellHeadsDialog()
        : DialogFixture(settings_test::SectionText(
              "well_head", {"1=NAME WELL", "2=TYPE", "3=X EASTING", "4=Y NORTHING", "5=TOP",
                            "6=BOTTOM", "7=KB ELEV"})) {}
    void Bind(D& d) override { d.SetLoader(&loader); }

    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader{&file.reader, &heads};
};

// Without a loader OK does nothing; with one it names the first required
// column missing, hands nothing over and stays open. (What OK hands over is
// held against the headless load on the interactive road.)
TEST_F(WellHeadsDialog, OkNamesTheFirstMissingRequiredColumnAndStaysOpen) {
    const auto okThenCancel = [](QDialog& d) {
        uitest::PressOk(&d);
        uitest::PressCancel(&d);
    };
    EXPECT_EQ(Run("NAME X Y\nW1 1 2\n", okThenCancel, false) + int(messages.Count()), 0);
    loader.SetNameColumn(7);
    std::vector<std::wstring> seen;
    const int result = Run("P Q R\nW1 10 20\n", [&](QDialog& d) {
        for (int list : {D::IDC_NAME_COLUMN, D::IDC_X_COLUMN, D::IDC_Y_COLUMN}) {
            uitest::PressOk(&d);
            seen.push_back(messages.Messages().empty() ? L"" : Said(messages.Messages().back()));
            EXPECT_TRUE(d.isVisible() && loader.GetNameColumn() == 7);
            uitest::ChooseComboIndex(List(&d, list), static_cast<int>(seen.size()) - 1);
        }
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"请指定井名称。|Welvorax|1 1 0",
                                               L"请指定井的X坐标。|Welvorax|1 1 0",
                                               L"请指定井的Y坐标。|Welvorax|1 1 0"}));
}

TEST_F(WellHeadsDialog, ALongColumnNameShowsWholeInTheOpenedList) {
    const std::string longName = "NAME_" + std::string(295, 'N');
    Run(longName + " X Y\nW1 1 2\n", [&longName](QDialog& d) {
        QComboBox* names = List(&d, D::IDC_NAME_COLUMN);
        EXPECT_EQ(names->itemData(0, Qt::ToolTipRole).toString(),
                  QString::fromStdString("1:" + longName));
        // The box keeps its width; the dialog does not grow off the screen.
        EXPECT_LT(d.width(), 1200);
        EXPECT_GT(names->view()->minimumWidth(), names->width());
        names->showPopup();
        uitest::SaveScreenshot(names->view()->window(), "well-heads-long-column-name.png");
        names->hidePopup();
        uitest::PressCancel(&d);
    });
}

} // namespace
