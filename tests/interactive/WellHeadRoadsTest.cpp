// The well head roads of ReadFile(): a well head table through the file dialog
// and the well heads import dialog, driven as a user does, loads the records
// the headless load of the same file with the same choices loads, and its rows
// stay in the reader for the host; a new well typed into its dialog becomes
// the single well head.
#include "Roads.h"
#include "controls/CPictureComboBox.h"
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/CDlgImportWellHeads.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

using Heads = CDlgImportWellHeads;

namespace {

void Choose(QDialog& dialog, int listId, int index) {
    EXPECT_TRUE(uitest::ChooseComboIndex(uitest::Control<QComboBox>(&dialog, listId), index));
}

} // namespace

TEST(WellHeadRoad, TheDialogsChoiceLoadsWhatTheHeadlessLoadOfTheSameChoiceLoads) {
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    const std::wstring sample = testing_support::SamplePath("well_heads.txt");
    CLoadData load(COMMON::LDT_WELL_HEAD);
    // Every column used, the name from the symbol column, X and Y in feet, KB
    // in decimetres.
    ASSERT_TRUE(
        road_test::LoadThroughDialogs(load, sample, 1, "CDlgImportWellHeads", [](QDialog& d) {
            const auto enabled = [&d](int id) {
                return uitest::Control<QComboBox>(&d, id)->isEnabled();
            };
            // Only name, X and Y count, in metres, until their boxes are ticked.
            EXPECT_FALSE(enabled(Heads::IDC_KB_COLUMN) || enabled(Heads::IDC_X_UNIT));
            uitest::SaveScreenshot(&d, "well-heads-import.png");
            for (int id : {Heads::IDC_USE_KB, Heads::IDC_USE_WELL_TYPE, Heads::IDC_USE_TOP_DEPTH,
                           Heads::IDC_USE_BOTTOM_DEPTH, Heads::IDC_CHOOSE_UNITS})
                uitest::PressButton(&d, id);
            Choose(d, Heads::IDC_NAME_COLUMN, 6);
            Choose(d, Heads::IDC_X_UNIT, 2);
            Choose(d, Heads::IDC_Y_UNIT, 2);
            Choose(d, Heads::IDC_KB_UNIT, 3);
            road_test::PressOk(d);
        }));
    EXPECT_FALSE(load.GetData()->empty()); // the rows stay for the host
    welldata::WellHeadChoices choices = welldata::SuggestWellHeadChoices(
        welldata::PreviewTable(sample, welldata::TableKind::WellHead));
    choices.kbUsed = choices.wellTypeUsed = choices.topDepthUsed = choices.bottomDepthUsed =
        choices.unitsChosen = true;
    choices.nameColumn = 6;
    choices.xUnit = choices.yUnit = COMMON::COOR_UNIT_FT;
    choices.kbUnit = COMMON::COOR_UNIT_DM;
    road_test::ExpectLikeHeadless(load, choices);
    welldata::SetSettingsFilePath(L"");
}

TEST(NewWellHeadRoad, TheTypedWellBecomesTheSingleWellHeadAndCancelLeavesItAlone) {
    using Dialog = CDlgAddWellHead;
    CLoadData load(COMMON::LDT_NEW_WELL_HEAD);
    load.SetWellHead(L"井A1", 512.6, 4376210.4, 1193.5f, 0.0f, 2010.0f);
    for (bool ok : {false, true}) {
        // No file dialog: the new well is typed in over the preset values.
        auto typeX = uitest::WhenModal<Dialog>([ok](Dialog* d) {
            QStringList shown; // whole numbers; 0 shows nothing
            for (int id : {Dialog::IDC_NAME, Dialog::IDC_X, Dialog::IDC_Y, Dialog::IDC_KB,
                           Dialog::IDC_TOP_DEPTH, Dialog::IDC_BOTTOM_DEPTH})
                shown << uitest::Control<QLineEdit>(d, id)->text();
            EXPECT_EQ(shown, (QStringList{"井A1", "513", "4376210", "1194", "", "2010"}));
            auto* symbols = uitest::Control<CPictureComboBox>(d, Dialog::IDC_SYMBOL);
            EXPECT_EQ(std::tuple(symbols->currentIndex(), symbols->GetItemHeight(),
                                 symbols->GetPictureWidth(), symbols->currentText()),
                      std::tuple(8, 18, 18, QString("设计井")));
            if (!ok) {
                uitest::SaveScreenshot(d, "add-well-head.png");
                symbols->showPopup();
                uitest::SaveScreenshot(symbols->view()->window(), "add-well-head-symbols.png");
                symbols->hidePopup();
                // Ticked and unticked again: the unit lists are off.
                uitest::PressButton(d, Dialog::IDC_CONVERT);
                uitest::PressButton(d, Dialog::IDC_CONVERT);
                for (int id : {Dialog::IDC_COOR_UNIT, Dialog::IDC_ELEVATION_UNIT})
                    EXPECT_FALSE(uitest::Control<QComboBox>(d, id)->isEnabled()) << id;
            }
            uitest::RetypeText(uitest::Control<QLineEdit>(d, Dialog::IDC_X), "1000");
            ok ? uitest::PressOk(d) : uitest::PressCancel(d);
        });
        EXPECT_EQ(load.ReadFile(), ok);
        const COMMON::STRUCT_WELL_HEAD& head = load.GetSingleWellHead();
        EXPECT_EQ(std::tuple(head.strWellType, head.dX, head.dY, head.fKB),
                  ok ? std::tuple(std::wstring(L"设计井"), 1000.0, 4376210.0, 1194.0f)
                     : std::tuple(std::wstring(), 512.6, 4376210.4, 1193.5f));
    }
}
