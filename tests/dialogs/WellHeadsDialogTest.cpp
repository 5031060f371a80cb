// The well heads import dialog on the bundled sample and on tables written for
// it: the column lists and their preselection by name, the use and unit boxes,
// OK's checks and messages, and what reaches the well head loader.
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
        EXPECT_EQ(List(&d, D::IDC_X_UNIT)->currentText(), "米");
        EXPECT_EQ(List(&d, D::IDC_X_COLUMN)->property("dropHeightExtension").toInt(), 80);
        uitest::SaveScreenshot(&d, "well-heads-import.png");
        Tick(&d, {D::IDC_CHOOSE_UNITS});
        EXPECT_EQ(Selected(&d, units), (std::vector<int>{0, 0, '-', '-', '-'}));
        Tick(&d, {D::IDC_USE_KB, D::IDC_USE_WELL_TYPE, D::IDC_USE_TOP_DEPTH});
        EXPECT_EQ(Selected(&d, columns), (std::vector<int>{0, 1, 2, 3, 6, 4, '-'}));
        EXPECT_EQ(Selected(&d, units), (std::vector<int>{0, 0, 0, 0, '-'}));
        // Clearing "选择单位" disables every unit list, not the column lists;
        // ticking it again enables those whose box is ticked.
        Tick(&d, {D::IDC_USE_BOTTOM_DEPTH, D::IDC_USE_TOP_DEPTH, D::IDC_CHOOSE_UNITS});
        EXPECT_EQ(Selected(&d, columns), (std::vector<int>{0, 1, 2, 3, 6, '-', 5}));
        EXPECT_EQ(Selected(&d, units), std::vector<int>(5, '-'));
        Tick(&d, {D::IDC_CHOOSE_UNITS, D::IDC_USE_WELL_TYPE});
        EXPECT_EQ(Selected(&d, units), (std::vector<int>{0, 0, 0, '-', 0}));
        EXPECT_EQ(Selected(&d, columns), (std::vector<int>{0, 1, 2, 3, '-', '-', 5}));
        uitest::PressCancel(&d);
    });
}

// The later of two cells standing for the same attribute wins, and a cell
// matching no name exactly takes the entry sharing the most leading characters.
TEST_F(WellHeadsDialog, PreselectsByTheSettingsFile) {
    const std::pair<const char*, std::vector<int>> cases[] = {
        {"WELL NAME EASTING NORTHING", {1, 2, 3, -1}},
        {"KBE WELL XCOORD YY", {1, 2, 3, 0}},
        {"P Q R S", {-1, -1, -1, -1}},
    };
    for (const auto& [header, expected] : cases) {
        Run(std::string(header) + "\nW1 1 2 3\n", [&](QDialog& d) {
            Tick(&d, {D::IDC_USE_KB});
            EXPECT_EQ(Selected(&d, {D::IDC_NAME_COLUMN, D::IDC_X_COLUMN, D::IDC_Y_COLUMN,
                                    D::IDC_KB_COLUMN}),
                      expected)
                << header;
            uitest::PressCancel(&d);
        });
    }
}

TEST_F(WellHeadsDialog, OkNamesTheFirstMissingRequiredColumnAndStaysOpen) {
    loader.SetNameColumn(7);
    std::vector<std::wstring> seen;
    const int result = Run("P Q R\nW1 10 20\n", [&](QDialog& d) {
        for (int list : {D::IDC_NAME_COLUMN, D::IDC_X_COLUMN, D::IDC_Y_COLUMN}) {
            uitest::PressOk(&d);
            EXPECT_TRUE(d.isVisible());
            seen.push_back(messages.Messages().empty() ? L"" : messages.Messages().back().text);
            EXPECT_EQ(loader.GetNameColumn(), 7); // nothing handed over yet
            uitest::ChooseComboIndex(List(&d, list), static_cast<int>(seen.size()) - 1);
        }
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"请指定井名称。", L"请指定井的X坐标。",
                                               L"请指定井的Y坐标。"}));
    for (const auto& m : messages.Messages())
        EXPECT_EQ(std::tuple(m.caption, m.owner, m.icon),
                  std::tuple(std::wstring(L"Welvorax"), welldata::MessageOwner::Dialog,
                             welldata::MessageIcon::Information));
    EXPECT_EQ(std::tuple(loader.GetNameColumn(), loader.GetXColumn(), loader.GetYColumn()),
              std::tuple(0, 1, 2));
}

TEST_F(WellHeadsDialog, OkHandsTheTickedColumnsAndUnitsCancelAndNoLoaderNothing) {
    const std::string table = "NAME X Y KB TOP BOTTOM TYPE\nW1 100 200 1000 10 2000 oil\n";
    const auto tickAll = [](QDialog& d) {
        Tick(&d, {D::IDC_USE_KB, D::IDC_USE_WELL_TYPE, D::IDC_USE_TOP_DEPTH,
                  D::IDC_USE_BOTTOM_DEPTH, D::IDC_CHOOSE_UNITS});
    };
    loader.SetNameColumn(3);
    // Cancel, and OK without a loader (which leaves the dialog open), hand nothing over.
    for (bool withLoader : {true, false}) {
        const auto tickAndCancel = [&](QDialog& d) {
            tickAll(d);
            if (!withLoader)
                uitest::PressOk(&d);
            uitest::PressCancel(&d);
        };
        EXPECT_EQ(Run(table, tickAndCancel, withLoader), QDialog::Rejected) << withLoader;
    }
    EXPECT_EQ(loader.GetNameColumn(), 3);
    EXPECT_EQ(messages.Count(), 0u);

    const int result = Run(table, [&](QDialog& d) {
        tickAll(d);
        for (auto [list, unit] : {std::pair{D::IDC_X_UNIT, "英尺"},
                                  {D::IDC_KB_UNIT, "分米"},
                                  {D::IDC_BOTTOM_DEPTH_UNIT, "厘米"}})
            uitest::ChooseComboText(List(&d, list), unit);
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_TRUE(loader.Load());
    ASSERT_EQ(heads.size(), 1u);
    const COMMON::STRUCT_WELL_HEAD& head = heads.front();
    EXPECT_EQ(head.strWellName + L"|" + head.strWellType, L"W1|oil");
    EXPECT_DOUBLE_EQ(head.dX, 30.48);
    EXPECT_EQ(std::tuple(head.dX2, head.dY, head.fKB, head.fTopDepth, head.fBottomDepth),
              std::tuple(head.dX, 200.0, 100.0f, 10.0f, 20.0f));
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
