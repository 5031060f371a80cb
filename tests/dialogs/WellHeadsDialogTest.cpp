// The well heads import dialog on the bundled sample and on tables written for
// it: the column lists and their preselection by name, the use and unit boxes,
// OK's checks and messages, and what reaches the well head loader.
#include "controls/CColorStatic.h"
#include "dialogs/CDlgImportWellHeads.h"
#include "loaders/CWellHead.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/WidgetDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::MessageCapture;
using testing_support::ScratchFile;
using Dialog = CDlgImportWellHeads;

namespace {

const int kColumnLists[] = {Dialog::IDC_NAME_COLUMN,        Dialog::IDC_X_COLUMN,
                            Dialog::IDC_Y_COLUMN,           Dialog::IDC_KB_COLUMN,
                            Dialog::IDC_WELL_TYPE_COLUMN,   Dialog::IDC_TOP_DEPTH_COLUMN,
                            Dialog::IDC_BOTTOM_DEPTH_COLUMN};
const int kUnitLists[] = {Dialog::IDC_X_UNIT, Dialog::IDC_Y_UNIT, Dialog::IDC_KB_UNIT,
                          Dialog::IDC_TOP_DEPTH_UNIT, Dialog::IDC_BOTTOM_DEPTH_UNIT};

QComboBox* List(const QWidget* dialog, int id) {
    return uitest::Control<QComboBox>(dialog, id);
}

void Tick(const QWidget* dialog, int id) {
    QTest::mouseClick(uitest::Control<QCheckBox>(dialog, id), Qt::LeftButton);
}

// The sample settings file, whose "well_head" section knows the sample's columns.
class WellHeadsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }

    // Opens the dialog on the reader's file with `loader` and runs `drive`,
    // which ends it. Returns exec()'s result.
    static int Run(CDataFileReader& reader, CWellHead* loader,
                   const std::function<void(QDialog&)>& drive) {
        Dialog dialog(&reader);
        dialog.SetLoader(loader);
        return uitest::RunModal(dialog, drive);
    }
};

TEST_F(WellHeadsDialog, OpensOnTheSampleWithItsColumnsListedAndPreselected) {
    CDataFileReader reader;
    reader.SetFilePath(testing_support::SamplePath("well_heads.txt"));
    Run(reader, nullptr, [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("导入井位数据"));
        const QStringList entries{"1:wellname", "2:X-coord", "3:Y-coord", "4:Kb",
                                  "5:TopD",     "6:BottomD", "7:Symbol"};
        // name, X, Y, KB, type, top, bottom as the settings file names them
        const int preselected[] = {0, 1, 2, 3, 6, 4, 5};
        for (size_t i = 0; i < std::size(kColumnLists); ++i) {
            QComboBox* list = List(&dialog, kColumnLists[i]);
            QStringList shown;
            for (int item = 0; item < list->count(); ++item)
                shown << list->itemText(item);
            EXPECT_EQ(shown, entries) << kColumnLists[i];
            EXPECT_EQ(list->currentIndex(), preselected[i]) << kColumnLists[i];
            // Only name, X and Y count until their "使用" box is ticked.
            EXPECT_EQ(list->isEnabled(), i < 3) << kColumnLists[i];
        }
        for (int id : kUnitLists) {
            EXPECT_EQ(List(&dialog, id)->currentText(), QString::fromUtf8("米")) << id;
            EXPECT_EQ(List(&dialog, id)->count(), 5) << id;
            EXPECT_FALSE(List(&dialog, id)->isEnabled()) << id;
        }
        for (int id = Dialog::IDC_USE_KB; id <= Dialog::IDC_CHOOSE_UNITS; ++id)
            EXPECT_FALSE(uitest::Control<QCheckBox>(&dialog, id)->isChecked()) << id;
        auto* step = uitest::Control<CColorStatic>(&dialog, Dialog::IDC_WORKFLOW_STEP);
        EXPECT_EQ(step->text(), QString::fromUtf8("导入井位数据"));
        EXPECT_TRUE(step->autoFillBackground());
        EXPECT_GT(List(&dialog, Dialog::IDC_NAME_COLUMN)->property("dropHeightExtension").toInt(),
                  0);
        uitest::SaveScreenshot(&dialog, "well-heads-import.png");
        uitest::PressCancel(&dialog);
    });
    EXPECT_TRUE(reader.GetRows().empty());
}

TEST_F(WellHeadsDialog, UseAndUnitBoxesEnableTheirLists) {
    CDataFileReader reader;
    reader.SetFilePath(testing_support::SamplePath("well_heads.txt"));
    Run(reader, nullptr, [](QDialog& dialog) {
        const auto enabledUnits = [&dialog] {
            std::vector<bool> enabled;
            for (int id : kUnitLists)
                enabled.push_back(List(&dialog, id)->isEnabled());
            return enabled;
        };
        using Units = std::vector<bool>; // X, Y, KB, top, bottom
        Tick(&dialog, Dialog::IDC_CHOOSE_UNITS);
        EXPECT_EQ(enabledUnits(), (Units{true, true, false, false, false}));
        Tick(&dialog, Dialog::IDC_USE_KB);
        EXPECT_TRUE(List(&dialog, Dialog::IDC_KB_COLUMN)->isEnabled());
        EXPECT_EQ(enabledUnits(), (Units{true, true, true, false, false}));
        Tick(&dialog, Dialog::IDC_USE_BOTTOM_DEPTH);
        Tick(&dialog, Dialog::IDC_CHOOSE_UNITS);
        EXPECT_EQ(enabledUnits(), (Units{false, false, false, false, false}));
        // The bottom depth list follows its own box, not the units box.
        EXPECT_TRUE(List(&dialog, Dialog::IDC_BOTTOM_DEPTH_COLUMN)->isEnabled());
        Tick(&dialog, Dialog::IDC_CHOOSE_UNITS);
        EXPECT_EQ(enabledUnits(), (Units{true, true, true, false, true}));
        Tick(&dialog, Dialog::IDC_USE_WELL_TYPE);
        EXPECT_TRUE(List(&dialog, Dialog::IDC_WELL_TYPE_COLUMN)->isEnabled());
        Tick(&dialog, Dialog::IDC_USE_WELL_TYPE);
        EXPECT_FALSE(List(&dialog, Dialog::IDC_WELL_TYPE_COLUMN)->isEnabled());
        uitest::PressCancel(&dialog);
    });
}

TEST_F(WellHeadsDialog, OkNamesTheFirstMissingRequiredColumnAndStaysOpen) {
    ScratchFile file;
    file.Write("P Q R\nW1 10 20\n");
    CDataFileReader rows; // the loader's own reader is never read by the dialog
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&rows, &heads);
    loader.SetNameColumn(7);
    MessageCapture messages;
    std::vector<std::wstring> seen;
    const int result = Run(file.reader, &loader, [&](QDialog& dialog) {
        // Nothing is recognised: no column list has a selection.
        for (int id : kColumnLists)
            EXPECT_EQ(List(&dialog, id)->currentIndex(), -1) << id;
        const std::pair<int, int> choices[] = {
            {Dialog::IDC_NAME_COLUMN, 0}, {Dialog::IDC_X_COLUMN, 1}, {Dialog::IDC_Y_COLUMN, 2}};
        for (const auto& [list, column] : choices) {
            uitest::PressOk(&dialog);
            EXPECT_TRUE(dialog.isVisible());
            seen.push_back(messages.Messages().empty() ? L"" : messages.Messages().back().text);
            EXPECT_EQ(loader.GetNameColumn(), 7); // nothing handed over yet
            uitest::ChooseComboIndex(List(&dialog, list), column);
        }
        uitest::PressOk(&dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"请指定井名称。", L"请指定井的X坐标。",
                                               L"请指定井的Y坐标。"}));
    ASSERT_EQ(messages.Count(), 3u);
    for (const auto& message : messages.Messages()) {
        EXPECT_EQ(message.caption, L"Welvorax");
        EXPECT_EQ(message.owner, welldata::MessageOwner::Dialog);
        EXPECT_EQ(message.icon, welldata::MessageIcon::Information);
    }
    EXPECT_EQ(loader.GetNameColumn(), 0);
    EXPECT_EQ(loader.GetXColumn(), 1);
    EXPECT_EQ(loader.GetYColumn(), 2);
}

TEST_F(WellHeadsDialog, OkHandsTheTickedColumnsAndChosenUnitsToTheLoader) {
    ScratchFile file;
    file.Write("NAME X Y KB TOP BOTTOM TYPE\nW1 100 200 1000 10 2000 oil\n");
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&file.reader, &heads);
    const int result = Run(file.reader, &loader, [](QDialog& dialog) {
        for (int id : {Dialog::IDC_USE_KB, Dialog::IDC_USE_WELL_TYPE, Dialog::IDC_USE_TOP_DEPTH,
                       Dialog::IDC_USE_BOTTOM_DEPTH, Dialog::IDC_CHOOSE_UNITS})
            Tick(&dialog, id);
        uitest::ChooseComboText(List(&dialog, Dialog::IDC_X_UNIT), QString::fromUtf8("英尺"));
        uitest::ChooseComboText(List(&dialog, Dialog::IDC_KB_UNIT), QString::fromUtf8("分米"));
        uitest::ChooseComboText(List(&dialog, Dialog::IDC_BOTTOM_DEPTH_UNIT),
                                QString::fromUtf8("厘米"));
        uitest::PressOk(&dialog);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_TRUE(loader.Load());
    ASSERT_EQ(heads.size(), 1u);
    const COMMON::STRUCT_WELL_HEAD& head = heads.front();
    EXPECT_EQ(head.strWellName, L"W1");
    EXPECT_EQ(head.strWellType, L"oil");
    EXPECT_DOUBLE_EQ(head.dX, 30.48);
    EXPECT_DOUBLE_EQ(head.dX2, 30.48);
    EXPECT_DOUBLE_EQ(head.dY, 200.0);
    EXPECT_FLOAT_EQ(head.fKB, 100.0f);
    EXPECT_FLOAT_EQ(head.fTopDepth, 10.0f);
    EXPECT_FLOAT_EQ(head.fBottomDepth, 20.0f);
}

TEST_F(WellHeadsDialog, CancelAndOkWithoutALoaderHandNothingOver) {
    ScratchFile file;
    file.Write("NAME X Y KB\nW1 100 200 1000\n");
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&file.reader, &heads);
    loader.SetNameColumn(3);
    loader.SetXColumn(2);
    EXPECT_EQ(Run(file.reader, &loader,
                  [](QDialog& dialog) {
                      Tick(&dialog, Dialog::IDC_USE_KB);
                      Tick(&dialog, Dialog::IDC_CHOOSE_UNITS);
                      uitest::PressCancel(&dialog);
                  }),
              QDialog::Rejected);
    EXPECT_EQ(loader.GetNameColumn(), 3);
    EXPECT_EQ(loader.GetXColumn(), 2);

    MessageCapture messages;
    EXPECT_EQ(Run(file.reader, nullptr,
                  [](QDialog& dialog) {
                      uitest::PressOk(&dialog);
                      EXPECT_TRUE(dialog.isVisible());
                      uitest::PressCancel(&dialog);
                  }),
              QDialog::Rejected);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellHeadsDialog, AFileThatCannotBeReadEndsTheDialogWithTheReadersMessage) {
    CDataFileReader reader;
    reader.SetFilePath(L"/no/such/folder/heads.txt");
    MessageCapture messages;
    Dialog dialog(&reader);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(messages.Single(), L"打开文件失败。");
    EXPECT_EQ(List(&dialog, Dialog::IDC_NAME_COLUMN)->count(), 0);
}

// The settings file decides which column a list preselects: the later of two
// cells standing for the same attribute wins, and a cell matching no name
// exactly takes the entry sharing the most leading characters.
TEST(WellHeadsDialogRecognition, PreselectsByTheSettingsFile) {
    const settings_test::ScopedSettingsFile settings(settings_test::SectionText(
        "well_head", {"1=NAME WELL", "3=X EASTING", "4=Y NORTHING", "7=KB ELEV"}));
    const struct {
        const char* header;
        int name, x, y, kb;
    } cases[] = {
        {"WELL NAME EASTING NORTHING", 1, 2, 3, -1},
        {"KBE WELL XCOORD YY", 1, 2, 3, 0}, // names sharing leading characters
    };
    for (const auto& c : cases) {
        ScratchFile file;
        file.Write(std::string(c.header) + "\nW1 1 2 3\n");
        Dialog dialog(&file.reader);
        uitest::RunModal(dialog, [&c](QDialog& d) {
            EXPECT_EQ(List(&d, Dialog::IDC_NAME_COLUMN)->currentIndex(), c.name) << c.header;
            EXPECT_EQ(List(&d, Dialog::IDC_X_COLUMN)->currentIndex(), c.x) << c.header;
            EXPECT_EQ(List(&d, Dialog::IDC_Y_COLUMN)->currentIndex(), c.y) << c.header;
            EXPECT_EQ(List(&d, Dialog::IDC_KB_COLUMN)->currentIndex(), c.kb) << c.header;
            uitest::PressCancel(&d);
        });
    }
}

TEST_F(WellHeadsDialog, ALongColumnNameShowsWholeInTheOpenedList) {
    const std::string longName = "NAME_" + std::string(295, 'N');
    ScratchFile file;
    file.Write(longName + " X Y\nW1 1 2\n");
    Run(file.reader, nullptr, [&longName](QDialog& dialog) {
        QComboBox* names = List(&dialog, Dialog::IDC_NAME_COLUMN);
        EXPECT_EQ(names->itemText(0), QString::fromStdString("1:" + longName));
        EXPECT_EQ(names->itemData(0, Qt::ToolTipRole).toString(), names->itemText(0));
        // The box keeps its width; the dialog does not grow off the screen.
        EXPECT_LT(dialog.width(), 1200);
        EXPECT_GT(names->view()->minimumWidth(), names->width());
        names->showPopup();
        uitest::SaveScreenshot(names->view()->window(), "well-heads-long-column-name.png");
        names->hidePopup();
        uitest::PressCancel(&dialog);
    });
}

} // namespace
