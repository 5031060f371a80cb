#include "TableFile.h"
#include "loaders/CRockCoreDescribe.h"

#include <gtest/gtest.h>

#include <iterator>

using COMMON::STRUCT_ROCK_CORE_DESCRIBE;
using COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL;
using loader_tests::TableFile;

namespace {

const std::vector<std::string> kThreeIntervals = {
    "top     bottom  lithology",
    "1601    1607    sandstone",
    "1620.5  1611    mudstone",
    "1590    1595    siltstone",
};

class RockCoreDescribeTest : public ::testing::Test {
protected:
    void ChooseColumns(std::uint16_t top, std::uint16_t bottom, std::uint16_t text) {
        loader.SetTopColumn(top);
        loader.SetBottomColumn(bottom);
        loader.SetDescribeColumn(text);
    }

    const STRUCT_ROCK_CORE_DESCRIBE& Interval(size_t index) const {
        return *std::next(record.lstItems.begin(), static_cast<long>(index));
    }

    TableFile file{kThreeIntervals};
    STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader{&file.Reader(), &record};
    testing_support::MessageCapture messages;
};

TEST_F(RockCoreDescribeTest, IntervalsKeepFileOrderAndTheirOwnDepths) {
    ChooseColumns(0, 1, 2);
    // Row 0 is the header whether or not the reader is told so; loads append.
    for (bool headerRow : {true, false}) {
        SCOPED_TRACE(headerRow ? "header row" : "no header row");
        file.Reader().SetHeaderRow(headerRow);
        record.lstItems.clear();
        record.lstItems.emplace_back();
        ASSERT_TRUE(loader.Load());

        ASSERT_EQ(record.lstItems.size(), 4u);
        EXPECT_EQ(Interval(1).strDescribe, L"sandstone");
        // A bottom above its top is neither swapped nor sorted away.
        EXPECT_FLOAT_EQ(Interval(2).fTop, 1620.5f);
        EXPECT_FLOAT_EQ(Interval(2).fBottom, 1611.0f);
        EXPECT_FLOAT_EQ(Interval(3).fTop, 1590.0f);
        EXPECT_EQ(Interval(3).strDescribe, L"siltstone");
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(RockCoreDescribeTest, NoColumnChosenGivesEmptyIntervals) {
    ASSERT_TRUE(loader.Load());

    ASSERT_EQ(record.lstItems.size(), 3u);
    for (const STRUCT_ROCK_CORE_DESCRIBE& interval : record.lstItems) {
        EXPECT_EQ(interval.fTop, 0.0f);
        EXPECT_EQ(interval.fBottom, 0.0f);
        EXPECT_TRUE(interval.strDescribe.empty());
    }
}

TEST_F(RockCoreDescribeTest, TextDepthsAndColumnsPastTheRowGiveDefaults) {
    // The text column as depth, the depth column as text, one column past the row.
    ChooseColumns(2, 3, 0);
    ASSERT_TRUE(loader.Load());

    EXPECT_EQ(Interval(0).fTop, 0.0f);
    EXPECT_EQ(Interval(0).fBottom, 0.0f);
    EXPECT_EQ(Interval(0).strDescribe, L"1601");
}

TEST_F(RockCoreDescribeTest, TheColumnNameChangesOnlyWhenOneWasGiven) {
    record.strColumnName = L"描述";
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"描述");

    loader.SetDescribeName(L"岩性");
    loader.SetDescribeName(L"");
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"描述");

    loader.SetDescribeName(L"岩性");
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(record.strColumnName, L"岩性");
}

TEST(RockCoreDescribeTable, AHeaderAloneGivesNoInterval) {
    TableFile headerOnly({"top bottom lithology"});
    STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader(&headerOnly.Reader(), &record);
    EXPECT_TRUE(loader.Load());
    EXPECT_TRUE(record.lstItems.empty());
}

TEST(RockCoreDescribeFailure, NoReaderOrAFailedReadChangesNothing) {
    STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    record.strColumnName = L"描述";
    EXPECT_FALSE(CRockCoreDescribe(nullptr, &record).Load());

    CDataFileReader noPath;
    CRockCoreDescribe loader(&noPath, &record);
    loader.SetDescribeName(L"岩性");
    EXPECT_FALSE(loader.Load());

    TableFile blank({""});
    CRockCoreDescribe blankLoader(&blank.Reader(), &record);
    blankLoader.SetDescribeName(L"岩性");
    EXPECT_FALSE(blankLoader.Load());

    EXPECT_EQ(record.strColumnName, L"描述");
    EXPECT_TRUE(record.lstItems.empty());
}

} // namespace
