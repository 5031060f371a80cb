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
#include <QTest>
#include <gtest/gtest.h>

using testing_support::MessageCapture;
using testing_support::ScratchFile;
using Analyse = CDlgRockCoreAnalyse;
using Describe = CDlgRockCoreDescribe;

namespace {

QComboBox* List(const QWidget* dialog, int id) {
    return uitest::Control<QComboBox>(dialog, id);
}

QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int item = 0; item < list->count(); ++item)
        entries << list->itemText(item);
    return entries;
}

std::vector<std::wstring> Names(const std::list<COMMON::STRUCT_CURVE_ITEM>& items) {
    std::vector<std::wstring> names;
    for (const auto& item : items)
        names.push_back(item.strName);
    return names;
}

std::string Encode(const char* codePage, const std::wstring& text) {
    return welldata::MultiByteConverter(codePage).ToMultiByte(text);
}

// The sample settings file, whose "rock_core" section knows the sample's columns.
class RockCoreDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        welldata::SetSettingsFilePath(testing_support::SamplePath("welldata.well_attri.ini"));
    }
    void TearDown() override { welldata::SetSettingsFilePath(L""); }
};

TEST_F(RockCoreDialogs, AnalysisShowsTheSampleAndHandsEveryColumnUnderItsTitle) {
    CDataFileReader reader;
    reader.SetFilePath(testing_support::SamplePath("rock_core_analysis.txt"));
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader(&reader, &items);
    Analyse dialog(&reader);
    dialog.SetLoader(&loader);
    const int result = uitest::RunModal(dialog, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("加载岩心分析数据"));
        auto* list = uitest::Control<CEditListCtrl>(&d, Analyse::IDC_DATA_LIST);
        EXPECT_EQ(list->GetHeaderTitles(), QStringList({"DEPTH", "POR", "PERM", "SW", "VCAL"}));
        EXPECT_EQ(list->rowCount(), 30);
        EXPECT_EQ(list->GetItemText(0, 0), "1601.15");
        EXPECT_EQ(list->GetItemText(29, 4), "5.3");
        EXPECT_EQ(list->columnWidth(1), CDlgDescreteDataBase::kColumnWidth);
        EXPECT_TRUE(list->AreHeaderTitlesEditable());
        EXPECT_TRUE(uitest::TypeHeaderTitle(list, 1, QString::fromUtf8("孔隙度")));
        uitest::SaveScreenshot(&d, "rock-core-analysis.png");
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Names(items),
              (std::vector<std::wstring>{L"DEPTH", L"孔隙度", L"PERM", L"SW", L"VCAL"}));
    int column = 0;
    for (const auto& item : items)
        EXPECT_EQ(item.nColumn, column++);
    ASSERT_TRUE(loader.Load());
    EXPECT_FLOAT_EQ(std::next(items.begin())->vecValues.front(), 11.5f);
    EXPECT_EQ(items.front().vecValues.size(), 30u);
}

TEST_F(RockCoreDialogs, AnalysisListsAtMostTheFirstHundredDataRows) {
    std::string table = "DEPTH POR\n";
    for (int row = 1; row <= 250; ++row)
        table += std::to_string(1600 + row) + " " + std::to_string(row) + "\n";
    ScratchFile file;
    file.Write(table);
    Analyse dialog(&file.reader);
    uitest::RunModal(dialog, [](QDialog& d) {
        auto* list = uitest::Control<CEditListCtrl>(&d, Analyse::IDC_DATA_LIST);
        EXPECT_EQ(list->rowCount(), CDlgDescreteDataBase::kRowLimit);
        EXPECT_EQ(list->GetItemText(99, 1), "100");
        uitest::PressCancel(&d);
    });
}

TEST_F(RockCoreDialogs, ChineseColumnNamesShowInEitherCodePage) {
    const std::wstring header = L"深度 孔隙度 渗透率\n1601.5 11.5 1.96\n";
    const struct {
        const char* codePage;
        std::string bytes;
    } cases[] = {
        {"GB18030", Encode("GB18030", header)},
        {"UTF-8", Encode("UTF-8", header)},
        {"UTF-8", "\xEF\xBB\xBF" + Encode("UTF-8", header)}, // with a byte order mark
    };
    const std::string previous = welldata::GetDataCodePage();
    for (const auto& c : cases) {
        ASSERT_TRUE(welldata::SetDataCodePage(c.codePage));
        ScratchFile file;
        file.Write(c.bytes);
        std::list<COMMON::STRUCT_CURVE_ITEM> items;
        CRockCoreAnalyse loader(&file.reader, &items);
        Analyse dialog(&file.reader);
        dialog.SetLoader(&loader);
        uitest::RunModal(dialog, [](QDialog& d) { uitest::PressOk(&d); });
        EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"深度", L"孔隙度", L"渗透率"}))
            << c.codePage;
    }
    welldata::SetDataCodePage(previous);
}

TEST_F(RockCoreDialogs, AFileThatCannotBeReadLeavesTheListsEmptyAndTheDialogOpen) {
    CDataFileReader reader;
    reader.SetFilePath(L"/no/such/folder/core.txt");
    std::list<COMMON::STRUCT_CURVE_ITEM> items(1);
    items.front().strName = L"KEPT";
    CRockCoreAnalyse loader(&reader, &items);
    MessageCapture messages;
    Analyse analysis(&reader);
    analysis.SetLoader(&loader);
    EXPECT_EQ(uitest::RunModal(
                  analysis,
                  [](QDialog& d) {
                      EXPECT_EQ(
                          uitest::Control<CEditListCtrl>(&d, Analyse::IDC_DATA_LIST)->columnCount(),
                          0);
                      uitest::PressOk(&d);
                  }),
              QDialog::Accepted);
    EXPECT_EQ(Names(items), std::vector<std::wstring>{L"KEPT"}); // an empty list changes nothing

    Describe describe(&reader);
    uitest::RunModal(describe, [](QDialog& d) {
        for (int id : {Describe::IDC_TOP_COLUMN, Describe::IDC_BOTTOM_COLUMN,
                       Describe::IDC_DESCRIPTION_COLUMN})
            EXPECT_EQ(List(&d, id)->count(), 0);
        EXPECT_TRUE(
            uitest::Control<QLineEdit>(&d, Describe::IDC_DESCRIPTION_NAME)->text().isEmpty());
        uitest::PressOk(&d);
    });
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, L"打开文件失败。");
}

TEST_F(RockCoreDialogs, DescribeCancelHandsNoColumnOver) {
    ScratchFile file;
    file.Write("TOP BOTTOM LITH\n1601 1607 sand\n");
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader(&file.reader, &record);
    Describe describe(&file.reader);
    describe.SetLoader(&loader);
    uitest::RunModal(describe, [](QDialog& d) { uitest::PressCancel(&d); });
    ASSERT_TRUE(loader.Load());
    ASSERT_EQ(record.lstItems.size(), 1u);
    // The columns were recognised, but none was handed over: the interval is empty.
    EXPECT_FLOAT_EQ(record.lstItems.front().fTop, 0.0f);
    EXPECT_TRUE(record.lstItems.front().strDescribe.empty());
    EXPECT_TRUE(record.strColumnName.empty());
}

TEST_F(RockCoreDialogs, DescribeOnTheSamplePreselectsItsColumnsByName) {
    CDataFileReader reader;
    reader.SetFilePath(testing_support::SamplePath("rock_core_describe.txt"));
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader(&reader, &record);
    Describe dialog(&reader);
    dialog.SetLoader(&loader);
    const int result = uitest::RunModal(dialog, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("加载岩心描述数据"));
        const QStringList entries{QString::fromUtf8("1:顶深"), QString::fromUtf8("2:底深"),
                                  QString::fromUtf8("3:岩性")};
        const int preselected[] = {0, 1, 2};
        const int lists[] = {Describe::IDC_TOP_COLUMN, Describe::IDC_BOTTOM_COLUMN,
                             Describe::IDC_DESCRIPTION_COLUMN};
        for (size_t i = 0; i < std::size(lists); ++i) {
            EXPECT_EQ(Entries(List(&d, lists[i])), entries);
            EXPECT_EQ(List(&d, lists[i])->currentIndex(), preselected[i]);
        }
        EXPECT_EQ(uitest::Control<QLineEdit>(&d, Describe::IDC_DESCRIPTION_NAME)->text(),
                  QString::fromUtf8("岩性"));
        auto* list = uitest::Control<CEditListCtrl>(&d, Describe::IDC_DATA_LIST);
        EXPECT_EQ(list->GetHeaderTitles(), entries);
        EXPECT_EQ(list->rowCount(), 12);
        EXPECT_EQ(list->GetItemText(0, 2), QString::fromUtf8("灰色细砂岩"));
        EXPECT_FALSE(list->AreHeaderTitlesEditable());
        EXPECT_FALSE(list->EditCell(0, 2)); // the table is only shown
        uitest::SaveScreenshot(&d, "rock-core-describe.png");
        uitest::PressOk(&d);
    });
    ASSERT_EQ(result, QDialog::Accepted);
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"岩性");
    ASSERT_EQ(record.lstItems.size(), 12u);
    EXPECT_FLOAT_EQ(record.lstItems.front().fTop, 1601.0f);
    EXPECT_FLOAT_EQ(record.lstItems.front().fBottom, 1603.5f);
    EXPECT_EQ(record.lstItems.front().strDescribe, L"灰色细砂岩");
}

TEST(RockCoreDescribeRecognition, UnknownColumnsStayUnchosenAndTheNameIsTheLastColumns) {
    const settings_test::ScopedSettingsFile settings(
        settings_test::SectionText("rock_core", {"55=TOP", "56=BOTTOM"}));
    ScratchFile file;
    file.Write("TOP BOTTOM LITH\n1601 1607 sand\n");
    Describe dialog(&file.reader);
    uitest::RunModal(dialog, [](QDialog& d) {
        EXPECT_EQ(List(&d, Describe::IDC_TOP_COLUMN)->currentIndex(), 0);
        EXPECT_EQ(List(&d, Describe::IDC_BOTTOM_COLUMN)->currentIndex(), 1);
        EXPECT_EQ(List(&d, Describe::IDC_DESCRIPTION_COLUMN)->currentIndex(), -1);
        EXPECT_EQ(uitest::Control<QLineEdit>(&d, Describe::IDC_DESCRIPTION_NAME)->text(), "LITH");
        uitest::PressCancel(&d);
    });
}

TEST_F(RockCoreDialogs, DescribeHandsTheChosenColumnsAndTheTypedName) {
    ScratchFile file;
    file.Write("P Q R S\n1601 1607 sand 1\n1607 1611 shale 2\n");
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    record.strColumnName = L"old";
    CRockCoreDescribe loader(&file.reader, &record);
    Describe dialog(&file.reader);
    dialog.SetLoader(&loader);
    uitest::RunModal(dialog, [](QDialog& d) {
        // The last of four columns takes the rest of the list's width.
        auto* list = uitest::Control<CEditListCtrl>(&d, Describe::IDC_DATA_LIST);
        EXPECT_EQ(list->columnWidth(0) + list->columnWidth(1) + list->columnWidth(2), 240);
        EXPECT_EQ(list->horizontalHeader()->length(), list->viewport()->width());
        uitest::ChooseComboIndex(List(&d, Describe::IDC_TOP_COLUMN), 1);
        uitest::ChooseComboIndex(List(&d, Describe::IDC_DESCRIPTION_COLUMN), 2);
        auto* name = uitest::Control<QLineEdit>(&d, Describe::IDC_DESCRIPTION_NAME);
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        uitest::TypeText(name, QString::fromUtf8("岩性描述"));
        uitest::PressOk(&d);
    });
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"岩性描述");
    ASSERT_EQ(record.lstItems.size(), 2u);
    EXPECT_FLOAT_EQ(record.lstItems.back().fTop, 1611.0f);
    EXPECT_FLOAT_EQ(record.lstItems.back().fBottom, 0.0f); // no bottom column chosen
    EXPECT_EQ(record.lstItems.back().strDescribe, L"shale");

    // An emptied name box keeps the record's name.
    record = {};
    record.strColumnName = L"kept";
    CRockCoreDescribe second(&file.reader, &record);
    Describe again(&file.reader);
    again.SetLoader(&second);
    uitest::RunModal(again, [](QDialog& d) {
        uitest::Control<QLineEdit>(&d, Describe::IDC_DESCRIPTION_NAME)->clear();
        uitest::PressOk(&d);
    });
    ASSERT_TRUE(second.Load());
    EXPECT_EQ(record.strColumnName, L"kept");
}

} // namespace
