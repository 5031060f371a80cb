// The well head roads of ReadFile(): a well head table through the file dialog
// and the well heads import dialog, driven as a user does, loads the records
// the headless load of the same file with the same choices loads, and its rows
// stay in the reader for the host; a new well typed into its dialog becomes
// the single well head.
#include "Roads.h"
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/CDlgImportWellHeads.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QComboBox>
#include <QLineEdit>

using Heads = CDlgImportWellHeads;
using welldata::WellHeadChoices;

namespace {

void Choose(QDialog& dialog, int listId, int index) {
    EXPECT_TRUE(uitest::ChooseComboIndex(uitest::Control<QComboBox>(&dialog, listId), index));
}

int NameColumn(const CLoadData& load) {
    int x = -1, y = -1, name = -1;
    EXPECT_TRUE(load.GetWellHeadTable(x, y, name));
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(1, 2));
    return name;
}

} // namespace

TEST(WellHeadRoad, TheDialogsChoiceLoadsWhatTheHeadlessLoadOfTheSameChoiceLoads) {
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    const std::wstring sample = testing_support::SamplePath("well_heads.txt");
    const struct {
        const char* name;
        road_test::Drive drive;
        std::function<void(WellHeadChoices&)> sameChoice;
    } cases[] = {
        {"every column used, X and Y in feet, KB in decimetres",
         [](QDialog& d) {
             for (int id : {Heads::IDC_USE_KB, Heads::IDC_USE_WELL_TYPE, Heads::IDC_USE_TOP_DEPTH,
                            Heads::IDC_USE_BOTTOM_DEPTH, Heads::IDC_CHOOSE_UNITS})
                 uitest::PressButton(&d, id);
             Choose(d, Heads::IDC_X_UNIT, 2);
             Choose(d, Heads::IDC_Y_UNIT, 2);
             Choose(d, Heads::IDC_KB_UNIT, 3);
             road_test::PressOk(d);
         },
         [](WellHeadChoices& choices) {
             choices.kbUsed = choices.wellTypeUsed = choices.topDepthUsed =
                 choices.bottomDepthUsed = choices.unitsChosen = true;
             choices.xUnit = choices.yUnit = COMMON::COOR_UNIT_FT;
             choices.kbUnit = COMMON::COOR_UNIT_DM;
         }},
        {"the name taken from the symbol column, no optional column used",
         [](QDialog& d) {
             Choose(d, Heads::IDC_NAME_COLUMN, 6);
             road_test::PressOk(d);
         },
         [](WellHeadChoices& choices) {
             choices.nameColumn = 6;
             choices.kbUsed = choices.wellTypeUsed = choices.topDepthUsed =
                 choices.bottomDepthUsed = false;
         }},
    };
    CLoadData load(COMMON::LDT_WELL_HEAD);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(road_test::LoadThroughDialogs(load, sample, 1, "CDlgImportWellHeads", c.drive));
        EXPECT_FALSE(load.GetData()->empty()); // the rows stay for the host
        WellHeadChoices choices = welldata::SuggestWellHeadChoices(
            welldata::PreviewTable(sample, welldata::TableKind::WellHead));
        c.sameChoice(choices);
        road_test::ExpectLikeHeadless(load, choices);
    }
    // Cancel keeps the column choice of the last load.
    EXPECT_EQ(NameColumn(load), 6);
    EXPECT_FALSE(
        road_test::LoadThroughDialogs(load, sample, 1, "CDlgImportWellHeads", [](QDialog& d) {
            Choose(d, Heads::IDC_NAME_COLUMN, 1);
            uitest::PressCancel(&d);
        }));
    EXPECT_EQ(NameColumn(load), 6);
    welldata::SetSettingsFilePath(L"");
}

TEST(NewWellHeadRoad, TheTypedWellBecomesTheSingleWellHeadAndCancelLeavesItAlone) {
    CLoadData load(COMMON::LDT_NEW_WELL_HEAD);
    load.SetWellHead(L"W7", 512.6, 4376210.4, 1193.0f, 10.0f, 2010.0f);
    for (bool ok : {false, true}) {
        QString shownX;
        // No file dialog: the new well is typed in.
        auto typeX = uitest::WhenModal<CDlgAddWellHead>([&shownX, ok](CDlgAddWellHead* d) {
            QLineEdit* x = uitest::Control<QLineEdit>(d, CDlgAddWellHead::IDC_X);
            shownX = x->text();
            uitest::RetypeText(x, "1000");
            ok ? uitest::PressOk(d) : uitest::PressCancel(d);
        });
        EXPECT_EQ(load.ReadFile(), ok);
        EXPECT_EQ(shownX, "513");
        const COMMON::STRUCT_WELL_HEAD& head = load.GetSingleWellHead();
        EXPECT_EQ(head.strWellName, L"W7");
        EXPECT_EQ(head.dX, ok ? 1000.0 : 512.6);
        EXPECT_EQ(head.dX2, ok ? 1000.0 : 0.0);
        EXPECT_EQ(head.strWellType, ok ? L"设计井" : L"");
        // Read back without decimals; "测量井段" was not ticked.
        EXPECT_EQ(head.dY, ok ? 4376210.0 : 4376210.4);
        EXPECT_EQ(std::make_pair(head.fTopDepth, head.fBottomDepth),
                  ok ? std::make_pair(0.0f, 0.0f) : std::make_pair(10.0f, 2010.0f));
        EXPECT_FLOAT_EQ(head.fKB, 1193.0f);
    }
}
