// The rock core roads of ReadFile(): a rock core analysis or description table
// through the file dialog (file types 2 and 3 of the well data load) and its
// dialog, driven as a user does, loads the records the headless load of the
// same file with the same choices loads, also after a LAS load on the object.
#include "Roads.h"
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "uisupport/ListDriver.h"
#include "welldata/Settings.h"
#include "welldata/TablePreview.h"

#include <QComboBox>
#include <QLineEdit>

TEST(RockCoreRoads, EachTableLoadsWhatTheHeadlessLoadOfTheSameChoicesLoads) {
    welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    CLoadData load(COMMON::LDT_WELL_DATA);
    // A LAS load leaves the reader set for LAS data without a header row.
    ASSERT_TRUE(load.ReadFile(testing_support::SamplePath("well_log.las")));
    load.DeleteWellLog(); // the records compared are the rock core ones

    const std::wstring analysis = testing_support::SamplePath("rock_core_analysis.txt");
    ASSERT_TRUE(
        road_test::LoadThroughDialogs(load, analysis, 2, "CDlgRockCoreAnalyse", [](QDialog& d) {
            auto* table = uitest::Control<CEditListCtrl>(&d, CDlgRockCoreAnalyse::IDC_DATA_LIST);
            EXPECT_EQ(table->GetHeaderTitles(),
                      QStringList({"DEPTH", "POR", "PERM", "SW", "VCAL"}));
            EXPECT_EQ(table->GetItemText(29, 4), "5.3"); // the thirtieth data row
            EXPECT_TRUE(uitest::TypeHeaderTitle(table, 2, "渗透率"));
            uitest::SaveScreenshot(&d, "rock-core-analysis.png");
            road_test::PressOk(d);
        }));
    EXPECT_TRUE(load.GetData()->empty()); // the reader is cleared
    welldata::CoreAnalysisChoices titles = welldata::SuggestCoreAnalysisChoices(
        welldata::PreviewTable(analysis, welldata::TableKind::CoreAnalysis));
    std::next(titles.columns.begin(), 2)->strName = L"渗透率";
    road_test::ExpectLikeHeadless(load, titles);
    load.DeleteRockCoreAnalyse();

    const std::wstring description = testing_support::SamplePath("rock_core_describe.txt");
    ASSERT_TRUE(
        road_test::LoadThroughDialogs(load, description, 3, "CDlgRockCoreDescribe", [](QDialog& d) {
            using Describe = CDlgRockCoreDescribe;
            // The columns found by name: top, bottom, the description and its name.
            EXPECT_EQ(
                uitest::Control<QComboBox>(&d, Describe::IDC_DESCRIPTION_COLUMN)->currentText() +
                    uitest::Control<QLineEdit>(&d, Describe::IDC_DESCRIPTION_NAME)->text(),
                "3:岩性岩性");
            auto* table = uitest::Control<CEditListCtrl>(&d, Describe::IDC_DATA_LIST);
            EXPECT_FALSE(table->EditCell(0, 2)); // the table is only shown
            uitest::SaveScreenshot(&d, "rock-core-describe.png");
            EXPECT_TRUE(uitest::ChooseComboIndex(
                uitest::Control<QComboBox>(&d, Describe::IDC_DESCRIPTION_COLUMN), 1));
            road_test::PressOk(d);
        }));
    EXPECT_TRUE(load.GetData()->empty());
    EXPECT_FALSE(load.GetRockCoreDescribe().lstItems.empty());
    welldata::CoreDescriptionChoices columns = welldata::SuggestCoreDescriptionChoices(
        welldata::PreviewTable(description, welldata::TableKind::CoreDescription));
    columns.descriptionColumn = 1; // the bottom column
    road_test::ExpectLikeHeadless(load, columns);
    welldata::SetSettingsFilePath(L"");
}
