#include "loaders/CRockCoreDescribe.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <tuple>

using COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL;
using Intervals = std::vector<std::tuple<float, float, std::wstring>>;

namespace {

class RockCoreDescribeTest : public ::testing::Test {
protected:
    RockCoreDescribeTest() {
        file.Write("top     bottom  lithology\n1601    1607    sandstone\n"
                   "1620.5  1611    mudstone\n1590    1595    siltstone\n");
    }
    Intervals Loaded() const {
        Intervals intervals;
        for (const auto& interval : record.lstItems)
            intervals.emplace_back(interval.fTop, interval.fBottom, interval.strDescribe);
        return intervals;
    }
    void ChooseColumns(std::uint16_t top, std::uint16_t bottom, std::uint16_t text) {
        loader.SetTopColumn(top);
        loader.SetBottomColumn(bottom);
        loader.SetDescribeColumn(text);
    }

    testing_support::ScratchFile file;
    STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader{&file.reader, &record};
    testing_support::MessageCapture messages;
};

TEST_F(RockCoreDescribeTest, IntervalsKeepFileOrderAndTheirOwnDepths) {
    ChooseColumns(0, 1, 2);
    loader.SetDescribeName(L"岩性");
    // Row 0 is the header whether or not the reader is told so; loads append, and
    // a bottom above its top is neither swapped nor sorted away.
    for (bool headerRow : {true, false}) {
        file.reader.SetHeaderRow(headerRow);
        record.lstItems.assign(1, {});
        ASSERT_TRUE(loader.Load());
        EXPECT_EQ(Loaded(), (Intervals{{0, 0, L""},
                                       {1601, 1607, L"sandstone"},
                                       {1620.5f, 1611, L"mudstone"},
                                       {1590, 1595, L"siltstone"}}));
    }
    EXPECT_EQ(record.strColumnName, L"岩性");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(RockCoreDescribeTest, NoColumnTextDepthsAndColumnsPastTheRowGiveDefaults) {
    record.strColumnName = L"描述";
    ASSERT_TRUE(loader.Load()); // no column chosen
    EXPECT_EQ(Loaded(), Intervals(3, {0, 0, L""}));
    record.lstItems.clear();
    ChooseColumns(2, 3, 0); // the text column as depth, one column past the row
    loader.SetDescribeName(L"岩性");
    loader.SetDescribeName(L""); // no name given: the record keeps its own
    ASSERT_TRUE(loader.Load());
    EXPECT_EQ(Loaded().front(), Intervals::value_type(0, 0, L"1601"));
    EXPECT_EQ(record.strColumnName, L"描述");
}

TEST_F(RockCoreDescribeTest, AHeaderAloneGivesNoIntervalAFailedReadChangesNothing) {
    file.Write("top bottom lithology\n");
    EXPECT_TRUE(loader.Load());
    EXPECT_TRUE(record.lstItems.empty());

    record.strColumnName = L"描述";
    EXPECT_FALSE(CRockCoreDescribe(nullptr, &record).Load());
    CDataFileReader noPath;
    for (CDataFileReader* reader : {&noPath, &file.Write("\n")}) {
        CRockCoreDescribe failing(reader, &record);
        failing.SetDescribeName(L"岩性");
        EXPECT_FALSE(failing.Load());
    }
    EXPECT_EQ(record.strColumnName, L"描述");
    EXPECT_TRUE(record.lstItems.empty());
}

} // namespace
