#include "TableFile.h"
#include "loaders/CRockCoreAnalyse.h"

#include <gtest/gtest.h>

using COMMON::STRUCT_CURVE_ITEM;
using loader_tests::TableFile;

namespace {

const std::vector<std::string> kFourSamples = {
    "DEPTH    POR    PERM",  "1601.15  11.5   1.96",  "1601.40  n/a    8.006",
    "1601.75  9.6    4.962", "1602.25  13.9   3.195",
};

STRUCT_CURVE_ITEM Item(const wchar_t* name, std::int32_t column, std::vector<float> values = {}) {
    STRUCT_CURVE_ITEM item;
    item.strName = name;
    item.nColumn = column;
    item.vecValues = std::move(values);
    return item;
}

class RockCoreAnalyseTest : public ::testing::Test {
protected:
    TableFile file{kFourSamples};
    std::list<STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader{&file.Reader(), &items};
    testing_support::MessageCapture messages;
};

TEST_F(RockCoreAnalyseTest, FillsEveryColumnWithOneValuePerSample) {
    loader.SetColumnList({Item(L"DEPTH", 0), Item(L"孔隙度", 1), Item(L"PERM", 2)});
    ASSERT_TRUE(loader.Load());

    ASSERT_EQ(items.size(), 3u);
    auto item = items.begin();
    EXPECT_EQ(item->vecValues, (std::vector<float>{1601.15f, 1601.40f, 1601.75f, 1602.25f}));
    ++item;
    EXPECT_EQ(item->strName, L"孔隙度");
    // A text cell in a numeric column gives 0 at that depth.
    EXPECT_EQ(item->vecValues, (std::vector<float>{11.5f, 0.0f, 9.6f, 13.9f}));
    ++item;
    EXPECT_EQ(item->vecValues, (std::vector<float>{1.96f, 8.006f, 4.962f, 3.195f}));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(RockCoreAnalyseTest, ColumnsTheTableLacksKeepTheirValues) {
    loader.SetColumnList({Item(L"SW", 3, {7.0f}), Item(L"VCAL", -1, {8.0f}), Item(L"POR", 1)});
    ASSERT_TRUE(loader.Load());

    auto item = items.begin();
    EXPECT_EQ(item->vecValues, std::vector<float>{7.0f});
    EXPECT_EQ((++item)->vecValues, std::vector<float>{8.0f});
    EXPECT_EQ((++item)->vecValues.size(), 4u);
}

TEST_F(RockCoreAnalyseTest, AnEmptyColumnListLeavesTheListAndFailsTheLoad) {
    EXPECT_FALSE(loader.Load());

    loader.SetColumnList({Item(L"DEPTH", 0)});
    loader.SetColumnList({});
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items.front().strName, L"DEPTH");
}

TEST(RockCoreAnalyseFailure, NoReaderOrAFailedReadFails) {
    std::list<STRUCT_CURVE_ITEM> items{Item(L"DEPTH", 0, {3.0f})};
    EXPECT_FALSE(CRockCoreAnalyse(nullptr, &items).Load());

    CDataFileReader noPath;
    EXPECT_FALSE(CRockCoreAnalyse(&noPath, &items).Load());

    testing_support::MessageCapture messages;
    CDataFileReader missing;
    missing.SetFilePath(L"/nonexistent/rock_core_analysis.txt");
    EXPECT_FALSE(CRockCoreAnalyse(&missing, &items).Load());
    EXPECT_EQ(messages.Single(), L"打开文件失败。");

    TableFile blank({"", ""});
    EXPECT_FALSE(CRockCoreAnalyse(&blank.Reader(), &items).Load());
    EXPECT_EQ(items.front().vecValues, std::vector<float>{3.0f});
}

TEST(RockCoreAnalyseTable, HeaderLinesWithoutCells) {
    std::list<STRUCT_CURVE_ITEM> items{Item(L"DEPTH", 0, {3.0f})};
    TableFile blanks({"   "});
    EXPECT_TRUE(CRockCoreAnalyse(&blanks.Reader(), &items).Load());
    EXPECT_EQ(items.front().vecValues, std::vector<float>{3.0f});

    // The first data line then stands as the first row, and a shorter row after
    // it is not read past its end.
    items.front().nColumn = 2;
    TableFile ragged({"   ", "1601.15 11.5 7", "1602"});
    EXPECT_TRUE(CRockCoreAnalyse(&ragged.Reader(), &items).Load());
    EXPECT_EQ(items.front().vecValues, std::vector<float>{-9999.0f});
}

} // namespace
