// The well heads import dialog: the column lists and their preselection by
// name, the use and unit boxes, and OK's checks and messages.
#include "dialogs/CDlgImportWellHeads.h"
#include "dialogs/DialogFixture.h"
#include "loaders/CWellHead.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>

using D = CDlgImportWellHeads;

namespace {

// Name, X, Y, KB, type, top, bottom; then the units of X, Y, KB, top, bottom.
const int kColumnLists[] = {
    D::IDC_NAME_COLUMN,      D::IDC_X_COLUMN,         D::IDC_Y_COLUMN,           D::IDC_KB_COLUMN,
    D::IDC_WELL_TYPE_COLUMN, D::IDC_TOP_DEPTH_COLUMN, D::IDC_BOTTOM_DEPTH_COLUMN};
const int kUnitLists[] = {D::IDC_X_UNIT, D::IDC_Y_UNIT, D::IDC_KB_UNIT, D::IDC_TOP_DEPTH_UNIT,
                          D::IDC_BOTTOM_DEPTH_UNIT};

QComboBox* List(const QWidget* dialog, int id) {
    return uitest::Control<QComboBox>(dialog, id);
}

// What the lists show: each list's selection, "-" when it is disabled.
std::vector<int> Selected(const QWidget* dialog, const std::vector<int>& ids) {
    std::vector<int> selected;
    for (int id : ids)
        selected.push_back(List(dialog, id)->isEnabled() ? List(dialog, id)->currentIndex() : '-');
    return selected;
}

void Tick(const QWidget* dialog, std::initializer_list<int> ids) {
    for (int id : ids)
        uitest::ClickButton(uitest::Control<QCheckBox>(dialog, id));
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

TEST_F(WellHeadsDialog, OpensOnTheSamplePreselectedAndTheBoxesEnableTheirLists) {
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    const auto sample = testing_support::FileBytes(testing_support::SamplePath("well_heads.txt"));
    Run(sample, [](QDialog& d) {
        // Only name, X and Y count until their "使用" box is ticked; the units
        // are metres, to be chosen once "选择单位" is ticked.
        const std::vector<int> columns(std::begin(kColumnLists), std::end(kColumnLists));
        const std::vector<int> units(std::begin(kUnitLists), std::end(kUnitLists));
        EXPECT_EQ(Selected(&d, columns), (std::vector<int>{0, 1, 2, '-', '-', '-', '-'}));
        EXPECT_EQ(Selected(&d, units), std::vector<int>(5, '-'));
        uitest::SaveScreenshot(&d, "well-heads-import.png");
        Tick(&d, {D::IDC_CHOOSE_UNITS});
        EXPECT_EQ(Selected(&d, units), (std::vector<int>{0, 0, '-', '-', '-'}));
        Tick(&d, {D::IDC_USE_KB, D::IDC_USE_WELL_TYPE, D::IDC_USE_TOP_DEPTH});
        EXPECT_EQ(Selected(&d, columns), (std::vector<int>{0, 1, 2, 3, 6, 4, '-'}));
        EXPECT_EQ(Selected(&d, units), (std::vector<int>{0, 0, 0, 0, '-'}));
        // Clearing "选择单位" disables every unit list, not the column lists.
        Tick(&d, {D::IDC_USE_BOTTOM_DEPTH, D::IDC_USE_TOP_DEPTH, D::IDC_CHOOSE_UNITS});
        EXPECT_EQ(Selected(&d, columns), (std::vector<int>{0, 1, 2, 3, 6, '-', 5}));
        EXPECT_EQ(Selected(&d, units), std::vector<int>(5, '-'));
        uitest::PressCancel(&d);
    });
}

TEST_F(WellHeadsDialog, OkNamesTheFirstMissingRequiredColumnAndStaysOpen) {
    const auto okThenCancel = [](QDialog& d) {
        uitest::PressOk(&d);
        uitest::PressCancel(&d);
    };
    EXPECT_EQ(Run("NAME X Y\nW1 1 2\n", okThenCancel, false), QDialog::Rejected);
    EXPECT_EQ(messages.Count(), 0u);
    loader.SetNameColumn(7);
    std::vector<std::wstring> seen;
    const int result = Run("P Q R\nW1 10 20\n", [&](QDialog& d) {
        for (int list : {D::IDC_NAME_COLUMN, D::IDC_X_COLUMN, D::IDC_Y_COLUMN}) {
            uitest::PressOk(&d);
            EXPECT_TRUE(d.isVisible());
            seen.push_back(messages.Messages().empty() ? L"" : Said(messages.Messages().back()));
            EXPECT_EQ(loader.GetNameColumn(), 7); // nothing handed over yet
            uitest::ChooseComboIndex(List(&d, list), static_cast<int>(seen.size()) - 1);
        }
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"请指定井名称。|Welvorax|1 1 0",
                                               L"请指定井的X坐标。|Welvorax|1 1 0",
                                               L"请指定井的Y坐标。|Welvorax|1 1 0"}));
    EXPECT_EQ(std::tuple(loader.GetNameColumn(), loader.GetXColumn(), loader.GetYColumn()),
              std::tuple(0, 1, 2));
}

TEST_F(WellHeadsDialog, ALongColumnNameShowsWholeInTheOpenedList) {
    const std::string longName = "NAME_" + std::string(295, 'N');
    Run(longName + " X Y\nW1 1 2\n", [&longName](QDialog& d) {
        QComboBox* names = List(&d, D::IDC_NAME_COLUMN);
        EXPECT_EQ(names->itemText(0), QString::fromStdString("1:" + longName));
        EXPECT_EQ(names->itemData(0, Qt::ToolTipRole).toString(), names->itemText(0));
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
