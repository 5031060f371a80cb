// The two rock core dialogs: the first 100 data rows, renamed analysis
// columns, description columns chosen by name, an unreadable file.
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using testing_support::MessageCapture;
using testing_support::ScratchFile;
using Analyse = CDlgRockCoreAnalyse;
using Describe = CDlgRockCoreDescribe;

namespace {

// The top, bottom and description column lists.
const int kDescribeLists[] = {Describe::IDC_TOP_COLUMN, Describe::IDC_BOTTOM_COLUMN,
                              Describe::IDC_DESCRIPTION_COLUMN};

QComboBox* List(const QWidget* dialog, int id) {
    return uitest::Control<QComboBox>(dialog, id);
}

QLineEdit* NameBox(const QWidget* dialog) {
    return uitest::Control<QLineEdit>(dialog, Describe::IDC_DESCRIPTION_NAME);
}

CEditListCtrl* Table(const QWidget* dialog) {
    return uitest::Control<CEditListCtrl>(dialog, Analyse::IDC_DATA_LIST);
}

// Runs the analysis dialog on `reader` and returns the columns OK hands over,
// each as "name@column".
std::vector<std::wstring> AnalysisColumns(CDataFileReader& reader,
                                          const std::function<void(QDialog&)>& look) {
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader(&reader, &items);
    Analyse dialog(&reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [&look](QDialog& d) {
        look(d);
        uitest::PressOk(&d);
    });
    std::vector<std::wstring> names;
    for (const auto& item : items)
        names.push_back(item.strName + L"@" + std::to_wstring(item.nColumn));
    return names;
}

// The sample settings file, whose "rock_core" section knows the sample's columns.
class RockCoreDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }
    ScratchFile file;
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader{&file.reader, &record};
};

TEST_F(RockCoreDialogs, AnalysisShowsTheSampleAndHandsEveryColumnUnderItsTitle) {
    file.reader.SetFilePath(testing_support::SamplePath("rock_core_analysis.txt"));
    const auto items = AnalysisColumns(file.reader, [](QDialog& d) {
        CEditListCtrl* list = Table(&d);
        EXPECT_EQ(list->GetHeaderTitles(), QStringList({"DEPTH", "POR", "PERM", "SW", "VCAL"}));
        EXPECT_EQ(list->GetItemText(29, 4), "5.3");
        EXPECT_TRUE(uitest::TypeHeaderTitle(list, 1, "孔隙度"));
        uitest::SaveScreenshot(&d, "rock-core-analysis.png");
    });
    EXPECT_EQ(items,
              (std::vector<std::wstring>{L"DEPTH@0", L"孔隙度@1", L"PERM@2", L"SW@3", L"VCAL@4"}));
}

TEST_F(RockCoreDialogs, AnalysisListsAtMostTheFirstHundredDataRows) {
    std::string table = "DEPTH POR\n";
    for (int row = 1; row <= 250; ++row)
        table += std::to_string(1600 + row) + " " + std::to_string(row) + "\n";
    file.Write(table);
    AnalysisColumns(file.reader, [](QDialog& d) {
        EXPECT_EQ(Table(&d)->rowCount(), 100);
        EXPECT_EQ(Table(&d)->GetItemText(99, 1), "100");
    });
}

TEST_F(RockCoreDialogs, AFileThatCannotBeReadLeavesTheListsEmptyAndTheDialogOpen) {
    file.reader.SetFilePath(L"/no/such/folder/core.txt");
    MessageCapture messages;
    // A description dialog without a loader takes OK too.
    EXPECT_TRUE(AnalysisColumns(file.reader, [](QDialog& d) {
                    EXPECT_EQ(Table(&d)->columnCount(), 0);
                }).empty());
    Describe describe(&file.reader);
    const int result = uitest::RunModal(describe, [](QDialog& d) {
        for (int id : kDescribeLists)
            EXPECT_EQ(List(&d, id)->count(), 0);
        EXPECT_TRUE(NameBox(&d)->text().isEmpty());
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, L"打开文件失败。");
}

TEST_F(RockCoreDialogs, DescribeOnTheSamplePreselectsItsColumnsByName) {
    file.reader.SetFilePath(testing_support::SamplePath("rock_core_describe.txt"));
    Describe dialog(&file.reader);
    dialog.SetLoader(&loader);
    const int result = uitest::RunModal(dialog, [](QDialog& d) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(List(&d, kDescribeLists[i])->currentIndex(), i);
        EXPECT_EQ(NameBox(&d)->text(), "岩性");
        auto* list = uitest::Control<CEditListCtrl>(&d, Describe::IDC_DATA_LIST);
        EXPECT_EQ(list->GetHeaderTitles(), QStringList({"1:顶深", "2:底深", "3:岩性"}));
        EXPECT_EQ(list->GetItemText(0, 2), "灰色细砂岩");
        EXPECT_FALSE(list->EditCell(0, 2)); // the table is only shown
        uitest::SaveScreenshot(&d, "rock-core-describe.png");
        uitest::PressOk(&d);
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST_F(RockCoreDialogs, UnknownColumnsStayUnchosenAndAnEmptiedNameKeepsTheRecords) {
    const settings_test::ScopedSettingsFile settings(
        settings_test::SectionText("rock_core", {"55=TOP", "56=BOTTOM"}));
    file.Write("TOP BOTTOM LITH\n1601 1607 sand\n");
    record.strColumnName = L"kept";
    Describe dialog(&file.reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [](QDialog& d) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(List(&d, kDescribeLists[i])->currentIndex(), i < 2 ? i : -1);
        EXPECT_EQ(NameBox(&d)->text(), "LITH"); // the last column's name
        uitest::ChooseComboIndex(List(&d, Describe::IDC_DESCRIPTION_COLUMN), 2);
        uitest::RetypeText(NameBox(&d), "");
        uitest::PressOk(&d);
    });
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"kept");
    EXPECT_EQ(record.lstItems.front().strDescribe, L"sand");
}

} // namespace
