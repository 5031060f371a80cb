// The two rock core dialogs on the bundled samples and on tables written for
// them: the list of the first 100 data rows, renamed analysis columns, the
// description columns preselected by name, Chinese column names in GB18030 and
// UTF-8, and what reaches the loaders on OK and on Cancel.
#include "controls/CEditListCtrl.h"
#include "dialogs/CDlgRockCoreAnalyse.h"
#include "dialogs/CDlgRockCoreDescribe.h"
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "platform/MultiByteConverter.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "uisupport/ListDriver.h"
#include "uisupport/WidgetDriver.h"
#include "welldata/CodePage.h"

#include <QComboBox>
#include <QHeaderView>
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

std::vector<std::wstring> Names(const std::list<COMMON::STRUCT_CURVE_ITEM>& items) {
    std::vector<std::wstring> names;
    for (const auto& item : items)
        names.push_back(item.strName + L"@" + std::to_wstring(item.nColumn));
    return names;
}

// Runs the analysis dialog on `reader` and returns what OK hands over.
std::list<COMMON::STRUCT_CURVE_ITEM> AnalysisColumns(CDataFileReader& reader,
                                                     const std::function<void(QDialog&)>& look) {
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader(&reader, &items);
    Analyse dialog(&reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [&look](QDialog& d) {
        look(d);
        uitest::PressOk(&d);
    });
    return items;
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
        EXPECT_EQ(d.windowTitle(), "加载岩心分析数据");
        CEditListCtrl* list = Table(&d);
        EXPECT_EQ(list->GetHeaderTitles(), QStringList({"DEPTH", "POR", "PERM", "SW", "VCAL"}));
        EXPECT_EQ(list->rowCount(), 30);
        EXPECT_EQ(list->GetItemText(0, 0), "1601.15");
        EXPECT_EQ(list->GetItemText(29, 4), "5.3");
        EXPECT_TRUE(uitest::TypeHeaderTitle(list, 1, "孔隙度"));
        uitest::SaveScreenshot(&d, "rock-core-analysis.png");
    });
    EXPECT_EQ(Names(items),
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

TEST_F(RockCoreDialogs, ChineseColumnNamesShowInEitherCodePage) {
    const std::wstring header = L"深度 孔隙度 渗透率\n1601.5 11.5 1.96\n";
    const std::string previous = welldata::GetDataCodePage();
    // UTF-8 also with a byte order mark.
    for (const auto& [codePage, mark] :
         {std::pair{"GB18030", ""}, {"UTF-8", ""}, {"UTF-8", "\xEF\xBB\xBF"}}) {
        ASSERT_TRUE(welldata::SetDataCodePage(codePage));
        file.Write(mark + welldata::MultiByteConverter(codePage).ToMultiByte(header));
        EXPECT_EQ(Names(AnalysisColumns(file.reader, [](QDialog&) {})),
                  (std::vector<std::wstring>{L"深度@0", L"孔隙度@1", L"渗透率@2"}))
            << codePage << mark;
    }
    welldata::SetDataCodePage(previous);
}

TEST_F(RockCoreDialogs, AFileThatCannotBeReadLeavesTheListsEmptyAndTheDialogOpen) {
    file.reader.SetFilePath(L"/no/such/folder/core.txt");
    MessageCapture messages;
    // An empty list hands nothing over; a description dialog without a loader
    // takes OK too.
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
        EXPECT_EQ(d.windowTitle(), "加载岩心描述数据");
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(List(&d, kDescribeLists[i])->currentIndex(), i);
        EXPECT_EQ(NameBox(&d)->text(), "岩性");
        auto* list = uitest::Control<CEditListCtrl>(&d, Describe::IDC_DATA_LIST);
        EXPECT_EQ(list->GetHeaderTitles(), QStringList({"1:顶深", "2:底深", "3:岩性"}));
        EXPECT_EQ(list->rowCount(), 12);
        EXPECT_EQ(list->GetItemText(0, 2), "灰色细砂岩");
        EXPECT_FALSE(list->EditCell(0, 2)); // the table is only shown
        uitest::SaveScreenshot(&d, "rock-core-describe.png");
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"岩性");
    ASSERT_EQ(record.lstItems.size(), 12u);
    const auto& first = record.lstItems.front();
    EXPECT_EQ(std::tuple(first.fTop, first.fBottom, first.strDescribe),
              std::tuple(1601.0f, 1603.5f, std::wstring(L"灰色细砂岩")));
}

TEST_F(RockCoreDialogs, UnknownColumnsStayUnchosenAndCancelHandsNoColumnOver) {
    const settings_test::ScopedSettingsFile settings(
        settings_test::SectionText("rock_core", {"55=TOP", "56=BOTTOM"}));
    file.Write("TOP BOTTOM LITH\n1601 1607 sand\n");
    Describe dialog(&file.reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [](QDialog& d) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(List(&d, kDescribeLists[i])->currentIndex(), i < 2 ? i : -1);
        EXPECT_EQ(NameBox(&d)->text(), "LITH"); // the last column's name
        uitest::PressCancel(&d);
    });
    ASSERT_TRUE(loader.Load());
    ASSERT_EQ(record.lstItems.size(), 1u);
    // The columns were recognised, but none was handed over: the interval is empty.
    EXPECT_EQ(std::tuple(record.lstItems.front().fTop, record.lstItems.front().strDescribe,
                         record.strColumnName),
              std::tuple(0.0f, std::wstring(), std::wstring()));
}

TEST_F(RockCoreDialogs, DescribeHandsTheChosenColumnsAndTheTypedName) {
    file.Write("P Q R S\n1601 1607 sand 1\n1607 1611 shale 2\n");
    for (const char* typed : {"", "岩性描述"}) { // an emptied name box keeps the record's name
        record = {};
        record.strColumnName = L"kept";
        Describe dialog(&file.reader);
        dialog.SetLoader(&loader);
        uitest::RunModal(dialog, [typed](QDialog& d) {
            // The last of four columns takes the rest of the list's width.
            auto* list = uitest::Control<CEditListCtrl>(&d, Describe::IDC_DATA_LIST);
            EXPECT_EQ(list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2), 240);
            EXPECT_EQ(list->horizontalHeader()->length(), list->viewport()->width());
            uitest::ChooseComboIndex(List(&d, Describe::IDC_TOP_COLUMN), 1);
            uitest::ChooseComboIndex(List(&d, Describe::IDC_DESCRIPTION_COLUMN), 2);
            uitest::RetypeText(NameBox(&d), typed);
            uitest::PressOk(&d);
        });
        ASSERT_TRUE(loader.Load());
        EXPECT_EQ(record.strColumnName, *typed ? L"岩性描述" : L"kept");
        ASSERT_EQ(record.lstItems.size(), 2u);
        const auto& last = record.lstItems.back(); // no bottom column chosen
        EXPECT_EQ(std::tuple(last.fTop, last.fBottom, last.strDescribe),
                  std::tuple(1611.0f, 0.0f, std::wstring(L"shale")));
    }
}

} // namespace
