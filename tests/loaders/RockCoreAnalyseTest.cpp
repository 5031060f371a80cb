#include "loaders/CRockCoreAnalyse.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using COMMON::STRUCT_CURVE_ITEM;
using Values = std::vector<float>;
using Result = std::pair<bool, std::vector<Values>>;

namespace {

STRUCT_CURVE_ITEM Item(std::int32_t column, Values values = {}) {
    STRUCT_CURVE_ITEM item;
    item.strName = L"孔隙度";
    item.nColumn = column;
    item.vecValues = std::move(values);
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

TEST(RockCoreAnalyseTest, LoadsEveryColumnTheTableHasWithOneValuePerSample) {
    testing_support::MessageCapture messages;
    // A text cell gives 0; a column the table lacks keeps the values it holds.
    EXPECT_EQ(Load("DEPTH    POR    PERM\n1601.15  11.5   1.96\n1601.40  n/a    8.006\n"
                   "1601.75  9.6    4.962\n1602.25  13.9   3.195\n",
                   {Item(0), Item(1), Item(2), Item(3, {7}), Item(-1, {8})}),
              (Result{true,
                      {{1601.15f, 1601.40f, 1601.75f, 1602.25f},
                       {11.5f, 0.0f, 9.6f, 13.9f},
                       {1.96f, 8.006f, 4.962f, 3.195f},
                       {7},
                       {8}}}));
    EXPECT_EQ(messages.Count(), 0u);
    // A header line without cells: the first data line stands as the first row,
    // and a shorter row after it is not read past its end.
    EXPECT_EQ(Load("   \n", {Item(0, {3})}), (Result{true, {{3}}}));
    EXPECT_EQ(Load("   \n1601.15 11.5 7\n1602\n", {Item(2, {3})}), (Result{true, {{-9999}}}));
}

TEST(RockCoreAnalyseTest, NoColumnsNoReaderOrAFailedReadFailsAndChangesNothing) {
    EXPECT_EQ(Load("DEPTH\n1601\n", {}), (Result{false, {}}));
    EXPECT_EQ(Load("\n\n", {Item(0, {3})}), (Result{false, {{3}}}));
    std::list<STRUCT_CURVE_ITEM> items{Item(0)};
    EXPECT_FALSE(CRockCoreAnalyse(nullptr, &items).Load());
    CDataFileReader noPath;
    CRockCoreAnalyse loader(&noPath, &items);
    EXPECT_FALSE(loader.Load());
    loader.SetColumnList({});
    EXPECT_EQ(items.size(), 1u);
}

} // namespace
