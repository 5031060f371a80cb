#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using COMMON::STRUCT_CURVE_ITEM;
using COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL;
using Values = std::vector<float>;
using Result = std::pair<bool, std::vector<Values>>;
using Intervals = std::vector<std::tuple<float, float, std::wstring>>;

namespace {

STRUCT_CURVE_ITEM Item(std::int32_t column, Values values = {}) {
    STRUCT_CURVE_ITEM item;
    item.strName = L"孔隙度";
    std::tie(item.nColumn, item.vecValues) = std::tie(column, values);
    return item;
}

// Whether loading `table` into `items` succeeds, and each item's values after.
Result Load(const std::string& table, std::list<STRUCT_CURVE_ITEM> items) {
    testing_support::ScratchFile file;
    file.Write(table);
    Result result{CRockCoreAnalyse(&file.reader, &items).Load(), {}};
    for (const STRUCT_CURVE_ITEM& item : items)
        result.second.push_back(item.vecValues);
    return result;
}

TEST(RockCoreAnalyseTest, LoadsEveryColumnTheTableHasOrFailsChangingNothing) {
    testing_support::MessageCapture messages;
    const std::tuple<std::string, std::list<STRUCT_CURVE_ITEM>, Result> cases[] = {
        // A text cell gives 0; a column the table lacks keeps the values it holds.
        {"DEPTH    POR    PERM\n1601.15  11.5   1.96\n1601.40  n/a    8.006\n",
         {Item(0), Item(1), Item(2), Item(3, {7}), Item(-1, {8})},
         {true, {{1601.15f, 1601.40f}, {11.5f, 0}, {1.96f, 8.006f}, {7}, {8}}}},
        // A header line without cells: the first data line stands as the first row,
        // and a shorter row after it is not read past its end.
        {"   \n1601.15 11.5 7\n1602\n", {Item(2, {3})}, {true, {{-9999}}}},
        {"\n\n", {Item(0, {3})}, {false, {{3}}}}};
    for (const auto& [table, items, result] : cases)
        EXPECT_EQ(Load(table, items), result) << table;
    EXPECT_EQ(messages.Count(), 0u);
}

// Row 0 is the header even when the reader is told otherwise; loads append, a
// bottom above its top is neither swapped nor sorted away; unchosen columns and an
// empty name are not handed over; a failed read changes nothing.
TEST(RockCoreDescribeTest, IntervalsKeepFileOrderTheirOwnDepthsAndDefaults) {
    testing_support::ScratchFile file;
    testing_support::MessageCapture messages;
    file.Write("top bottom lithology\n1601 1607 sandstone\n1620.5 1611 mudstone\n");
    STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    record.lstItems.assign(1, {});
    CRockCoreDescribe loader{&file.reader, &record};
    welldata::CoreDescriptionChoices choices;
    std::tie(choices.topColumn, choices.bottomColumn, choices.descriptionColumn) =
        std::tuple(0, 1, 2);
    choices.descriptionName = L"岩性";
    file.reader.SetHeaderRow(false);
    loader.TakeChoices(choices);
    ASSERT_TRUE(loader.Load());
    choices = {};
    choices.bottomColumn = 3; // one column past the row: 0
    loader.TakeChoices(choices);
    ASSERT_TRUE(loader.Load());
    Intervals intervals;
    for (const auto& interval : record.lstItems)
        intervals.emplace_back(interval.fTop, interval.fBottom, interval.strDescribe);
    EXPECT_EQ(intervals, (Intervals{{0, 0, L""},
                                    {1601, 1607, L"sandstone"},
                                    {1620.5f, 1611, L"mudstone"},
                                    {1601, 0, L"sandstone"},
                                    {1620.5f, 0, L"mudstone"}}));
    CRockCoreDescribe failing(&file.Write("\n"), &record);
    failing.SetDescribeName(L"描述");
    EXPECT_FALSE(failing.Load());
    EXPECT_EQ(record.strColumnName, L"岩性");
    EXPECT_EQ(record.lstItems.size(), 5u);
    EXPECT_EQ(messages.Count(), 0u);
}

} // namespace
