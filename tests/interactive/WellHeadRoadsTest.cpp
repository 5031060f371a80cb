// The well head roads of ReadFile(): a well head table through the file dialog
// and the well heads import dialog, driven as a user does, loads the records
// the headless load of the same file with the same choices loads; a new well
// typed into its dialog becomes the single well head.
#include "dialogs/CDlgAddWellHead.h"
#include "dialogs/CDlgImportWellHeads.h"
#include "interactive/SameRecords.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CLoadData.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using interactive_test::SameRecords;
using testing_support::MessageCapture;
using Heads = CDlgImportWellHeads;

namespace {

class WellHeadRoads : public ::testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }
};

// What the dialog preselects for `path`, with every optional column unused:
// the choice of a user who only presses OK.
welldata::WellHeadChoices UntouchedChoices(const std::wstring& path) {
    welldata::WellHeadChoices choices = welldata::SuggestWellHeadChoices(
        welldata::PreviewTable(path, welldata::TableKind::WellHead));
    choices.kbUsed = choices.wellTypeUsed = choices.topDepthUsed = choices.bottomDepthUsed = false;
    return choices;
}

void Tick(const QWidget* dialog, int id) {
    QTest::mouseClick(uitest::Control<QCheckBox>(dialog, id), Qt::LeftButton);
}

// Loads `path` through ReadFile(), driving the well heads dialog with `drive`
// before pressing OK.
bool LoadInteractively(CLoadData& load, const std::wstring& path,
                       const std::function<void(QDialog&)>& drive) {
    auto file = uitest::AnswerFileDialog({QString::fromStdWString(path)});
    auto dialog = uitest::WhenModal<Heads>([drive](Heads* d) {
        drive(*d);
        uitest::PressOk(d);
    });
    const bool loaded = load.ReadFile();
    EXPECT_TRUE(file->Fired() && dialog->Fired());
    return loaded;
}

TEST_F(WellHeadRoads, TheDialogsChoiceLoadsWhatTheHeadlessLoadOfTheSameChoiceLoads) {
    const std::wstring sample = testing_support::SamplePath("well_heads.txt");
    const struct {
        const char* name;
        std::function<void(QDialog&)> drive;
        std::function<void(welldata::WellHeadChoices&)> sameChoice;
    } cases[] = {
        {"OK only", [](QDialog&) {}, [](welldata::WellHeadChoices&) {}},
        {"every column used, X and Y in feet, KB in decimetres",
         [](QDialog& d) {
             for (int id : {Heads::IDC_USE_KB, Heads::IDC_USE_WELL_TYPE, Heads::IDC_USE_TOP_DEPTH,
                            Heads::IDC_USE_BOTTOM_DEPTH, Heads::IDC_CHOOSE_UNITS})
                 Tick(&d, id);
             for (int id : {Heads::IDC_X_UNIT, Heads::IDC_Y_UNIT})
                 uitest::ChooseComboIndex(uitest::Control<QComboBox>(&d, id), 2);
             uitest::ChooseComboIndex(uitest::Control<QComboBox>(&d, Heads::IDC_KB_UNIT), 3);
         },
         [](welldata::WellHeadChoices& choices) {
             choices.kbUsed = choices.wellTypeUsed = choices.topDepthUsed =
                 choices.bottomDepthUsed = choices.unitsChosen = true;
             choices.xUnit = choices.yUnit = COMMON::COOR_UNIT_FT;
             choices.kbUnit = COMMON::COOR_UNIT_DM;
         }},
        {"the name taken from the symbol column",
         [](QDialog& d) {
             uitest::ChooseComboIndex(uitest::Control<QComboBox>(&d, Heads::IDC_NAME_COLUMN), 6);
         },
         [](welldata::WellHeadChoices& choices) { choices.nameColumn = 6; }},
    };
    for (const auto& c : cases) {
        CLoadData load(COMMON::LDT_WELL_HEAD);
        ASSERT_TRUE(LoadInteractively(load, sample, c.drive)) << c.name;
        EXPECT_FALSE(load.GetData()->empty()) << c.name; // the rows stay for the host

        welldata::WellHeadChoices choices = UntouchedChoices(sample);
        c.sameChoice(choices);
        CLoadData headless(COMMON::LDT_WELL_HEAD);
        ASSERT_TRUE(headless.ReadFile(sample, choices)) << c.name;
        EXPECT_TRUE(SameRecords(load.GetWellHead(), headless.GetWellHead())) << c.name;
    }
}

TEST_F(WellHeadRoads, TextCellsAndUnitsLoadAsTheLoaderReadsThem) {
    testing_support::ScratchDir dir;
    const std::wstring path =
        dir.Write("heads.txt", "NAME X Y KB\nW1 east 4376210.5 1193\nW2 100 north 1205\n");
    CLoadData load(COMMON::LDT_WELL_HEAD);
    ASSERT_TRUE(LoadInteractively(load, path, [](QDialog& d) {
        Tick(&d, Heads::IDC_USE_KB);
        Tick(&d, Heads::IDC_CHOOSE_UNITS);
        uitest::ChooseComboIndex(uitest::Control<QComboBox>(&d, Heads::IDC_X_UNIT), 2);
    }));
    welldata::WellHeadChoices choices = UntouchedChoices(path);
    choices.kbUsed = choices.unitsChosen = true;
    choices.xUnit = COMMON::COOR_UNIT_FT;
    CLoadData headless(COMMON::LDT_WELL_HEAD);
    ASSERT_TRUE(headless.ReadFile(path, choices));
    EXPECT_TRUE(SameRecords(load.GetWellHead(), headless.GetWellHead()));
    // X and Y cells that are text load as 0; the wells stay.
    ASSERT_EQ(load.GetWellHead().size(), 2u);
    const COMMON::STRUCT_WELL_HEAD& first = load.GetWellHead().front();
    const COMMON::STRUCT_WELL_HEAD& second = load.GetWellHead().back();
    EXPECT_EQ(first.strWellName, L"W1");
    EXPECT_DOUBLE_EQ(first.dX, 0.0);
    EXPECT_DOUBLE_EQ(first.dY, 4376210.5);
    EXPECT_FLOAT_EQ(first.fKB, 1193.0f);
    EXPECT_DOUBLE_EQ(second.dX, 30.48);
    EXPECT_DOUBLE_EQ(second.dY, 0.0);
    int x = -1, y = -1, name = -1;
    EXPECT_TRUE(load.GetWellHeadTable(x, y, name));
    EXPECT_EQ(std::vector<int>({x, y, name}), std::vector<int>({1, 2, 0}));
}

TEST_F(WellHeadRoads, CancelInTheDialogLoadsNothingAndKeepsTheColumnChoice) {
    const std::wstring sample = testing_support::SamplePath("well_heads.txt");
    CLoadData load(COMMON::LDT_WELL_HEAD);
    ASSERT_TRUE(LoadInteractively(load, sample, [](QDialog& d) {
        uitest::ChooseComboIndex(uitest::Control<QComboBox>(&d, Heads::IDC_NAME_COLUMN), 6);
    }));
    auto file = uitest::AnswerFileDialog({QString::fromStdWString(sample)});
    auto dialog = uitest::WhenModal<Heads>([](Heads* d) {
        uitest::ChooseComboIndex(uitest::Control<QComboBox>(d, Heads::IDC_NAME_COLUMN), 1);
        uitest::PressCancel(d);
    });
    EXPECT_FALSE(load.ReadFile());
    EXPECT_TRUE(dialog->Fired());
    EXPECT_TRUE(load.GetWellHead().empty()); // emptied before the dialog opened
    int x = -1, y = -1, name = -1;
    load.GetWellHeadTable(x, y, name);
    EXPECT_EQ(name, 6);
}

TEST(NewWellHeadRoad, TheTypedWellBecomesTheSingleWellHead) {
    CLoadData load(COMMON::LDT_NEW_WELL_HEAD);
    load.SetWellHead(L"W7", 512.6, 4376210.4, 1193.0f, 0.0f, 2010.0f);
    QString shownX;
    auto dialog = uitest::WhenModal<CDlgAddWellHead>([&shownX](CDlgAddWellHead* d) {
        shownX = uitest::Control<QLineEdit>(d, CDlgAddWellHead::IDC_X)->text();
        QLineEdit* x = uitest::Control<QLineEdit>(d, CDlgAddWellHead::IDC_X);
        x->setFocus();
        QTest::keyClick(x, Qt::Key_A, Qt::ControlModifier);
        uitest::TypeText(x, "1000");
        uitest::PressOk(d);
    });
    // No file dialog: the new well is typed in.
    ASSERT_TRUE(load.ReadFile());
    EXPECT_EQ(shownX, "513");
    const COMMON::STRUCT_WELL_HEAD& head = load.GetSingleWellHead();
    EXPECT_EQ(head.strWellName, L"W7");
    EXPECT_EQ(head.strWellType, L"设计井");
    EXPECT_DOUBLE_EQ(head.dX, 1000.0);
    EXPECT_DOUBLE_EQ(head.dX2, 1000.0);
    EXPECT_DOUBLE_EQ(head.dY, 4376210.0); // shown and read back without decimals
    EXPECT_FLOAT_EQ(head.fKB, 1193.0f);
    EXPECT_FLOAT_EQ(head.fBottomDepth, 0.0f); // "测量井段" was not ticked
}

TEST(NewWellHeadRoad, CancelLeavesTheSingleWellHeadAlone) {
    CLoadData load(COMMON::LDT_NEW_WELL_HEAD);
    load.SetWellHead(L"W7", 512.6, 4376210.4, 1193.0f, 10.0f, 2010.0f);
    MessageCapture messages;
    auto dialog = uitest::WhenModal<CDlgAddWellHead>([](CDlgAddWellHead* d) {
        uitest::Control<QLineEdit>(d, CDlgAddWellHead::IDC_NAME)->clear();
        uitest::PressOk(d); // no name: stays open
        uitest::PressCancel(d);
    });
    EXPECT_FALSE(load.ReadFile());
    EXPECT_EQ(messages.Single(), L"“井名”不能为空；\r\n");
    EXPECT_EQ(load.GetSingleWellHead().strWellName, L"W7");
    EXPECT_DOUBLE_EQ(load.GetSingleWellHead().dX, 512.6);
    EXPECT_FLOAT_EQ(load.GetSingleWellHead().fTopDepth, 10.0f);
}

} // namespace
