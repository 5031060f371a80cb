// The sample files shipped with the library load end to end.
#include "loaders/CRockCoreAnalyse.h"
#include "loaders/CRockCoreDescribe.h"
#include "loaders/CWellHead.h"
#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <set>

using testing_support::SamplePath;

namespace {

TEST(SampleFiles, WellHeadsLoadTwelveWells) {
    CDataFileReader reader;
    reader.SetFilePath(SamplePath("well_heads.txt"));
    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&reader, &heads);
    // wellname X-coord Y-coord Kb TopD BottomD Symbol
    loader.SetNameColumn(0);
    loader.SetXColumn(1);
    loader.SetYColumn(2);
    loader.SetKBColumn(3);
    loader.SetTopDepthColumn(4);
    loader.SetBottomDepthColumn(5);
    loader.SetSymbolColumn(6);
    loader.SetKBUsed(true);
    loader.SetTopDepthUsed(true);
    loader.SetBottomDepthUsed(true);
    loader.SetSymbolUsed(true);

    ASSERT_TRUE(loader.Load());

    ASSERT_EQ(heads.size(), 12u);
    EXPECT_EQ(heads.front().strWellName, L"A1");
    EXPECT_EQ(heads.back().strWellName, L"A12");
    // A1 stands where the well path sample starts.
    EXPECT_DOUBLE_EQ(heads.front().dX, 20512345.25);
    EXPECT_DOUBLE_EQ(heads.front().dY, 4376210.50);
    const std::set<std::wstring> symbols{L"oil", L"gas", L"water", L"dry"};
    for (const COMMON::STRUCT_WELL_HEAD& head : heads) {
        SCOPED_TRACE(testing_support::Narrow(head.strWellName));
        EXPECT_EQ(symbols.count(head.strWellType), 1u);
        EXPECT_GT(head.dX, 2.0e7);
        EXPECT_GT(head.dY, 4.0e6);
        EXPECT_GT(head.fKB, 1000.0f);
        EXPECT_EQ(head.fTopDepth, 0.0f);
        EXPECT_GT(head.fBottomDepth, 1600.0f);
    }
}

TEST(SampleFiles, RockCoreAnalysisLoadsFiveColumnsOfThirtySamples) {
    CDataFileReader reader;
    reader.SetFilePath(SamplePath("rock_core_analysis.txt"));
    ASSERT_TRUE(reader.Read(100));
    // One column per header cell, as the import dialog hands them over.
    std::list<COMMON::STRUCT_CURVE_ITEM> columns;
    const Row header = reader.GetFirstRow();
    for (size_t c = 0; c < header.size(); ++c) {
        COMMON::STRUCT_CURVE_ITEM item;
        item.strName = header[c];
        item.nColumn = static_cast<std::int32_t>(c);
        columns.push_back(item);
    }
    std::list<COMMON::STRUCT_CURVE_ITEM> items;
    CRockCoreAnalyse loader(&reader, &items);
    loader.SetColumnList(columns);

    ASSERT_TRUE(loader.Load());

    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items.front().strName, L"DEPTH");
    EXPECT_EQ(items.back().strName, L"VCAL");
    const std::vector<float>& depth = items.front().vecValues;
    ASSERT_EQ(depth.size(), 30u);
    EXPECT_FLOAT_EQ(depth.front(), 1601.15f);
    for (size_t i = 1; i < depth.size(); ++i)
        EXPECT_GT(depth[i], depth[i - 1]);
    for (const COMMON::STRUCT_CURVE_ITEM& item : items) {
        ASSERT_EQ(item.vecValues.size(), 30u);
        for (float value : item.vecValues)
            EXPECT_GT(value, 0.0f) << testing_support::Narrow(item.strName);
    }
}

TEST(SampleFiles, RockCoreDescriptionLoadsContiguousChineseIntervals) {
    CDataFileReader reader;
    reader.SetFilePath(SamplePath("rock_core_describe.txt"));
    COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL record;
    CRockCoreDescribe loader(&reader, &record);
    loader.SetTopColumn(0);
    loader.SetBottomColumn(1);
    loader.SetDescribeColumn(2);

    ASSERT_TRUE(loader.Load());

    ASSERT_EQ(record.lstItems.size(), 12u);
    EXPECT_FLOAT_EQ(record.lstItems.front().fTop, 1601.0f);
    // The file is GB18030, the code page data files are read in.
    EXPECT_EQ(record.lstItems.front().strDescribe, L"灰色细砂岩");
    EXPECT_EQ(record.lstItems.back().strDescribe, L"黑色碳质泥岩");
    float previousBottom = record.lstItems.front().fTop;
    for (const COMMON::STRUCT_ROCK_CORE_DESCRIBE& interval : record.lstItems) {
        EXPECT_FLOAT_EQ(interval.fTop, previousBottom);
        EXPECT_GT(interval.fBottom, interval.fTop);
        EXPECT_FALSE(interval.strDescribe.empty());
        EXPECT_EQ(interval.strDescribe.find(L'\uFFFD'), std::wstring::npos);
        previousBottom = interval.fBottom;
    }
}

} // namespace
