#include "TableFile.h"
#include "loaders/CWellHead.h"

#include <gtest/gtest.h>

#include <iterator>

using COMMON::STRUCT_WELL_HEAD;
using loader_tests::TableFile;

namespace {

const std::vector<std::string> kThreeWells = {
    "wellname  X-coord     Y-coord    Symbol  TopD   BottomD  Kb",
    "A1        20512345.25 4376210.50 oil     0      1860.5   1193.6",
    "A2        20514506.70 4375269.58 gas     1.5    2010     1205.5",
    "A2        20510000    4370000    dry     0      1702     1180",
};

// Columns of kThreeWells; every optional attribute is used.
void UseAllColumns(CWellHead& loader) {
    loader.SetNameColumn(0);
    loader.SetXColumn(1);
    loader.SetYColumn(2);
    loader.SetSymbolColumn(3);
    loader.SetTopDepthColumn(4);
    loader.SetBottomDepthColumn(5);
    loader.SetKBColumn(6);
    loader.SetSymbolUsed(true);
    loader.SetTopDepthUsed(true);
    loader.SetBottomDepthUsed(true);
    loader.SetKBUsed(true);
}

const STRUCT_WELL_HEAD& At(const std::list<STRUCT_WELL_HEAD>& heads, size_t index) {
    return *std::next(heads.begin(), static_cast<long>(index));
}

class WellHeadTest : public ::testing::Test {
protected:
    WellHeadTest() { UseAllColumns(loader); }

    STRUCT_WELL_HEAD Parse(const Row& row) {
        STRUCT_WELL_HEAD record;
        parsed = loader.ParseWellHead(row, &record);
        return record;
    }

    TableFile file{kThreeWells};
    std::list<STRUCT_WELL_HEAD> heads;
    CWellHead loader{&file.Reader(), &heads};
    bool parsed = false;
    testing_support::MessageCapture messages;
};

TEST_F(WellHeadTest, LoadsEveryWellInFileOrderWithoutTheHeader) {
    // Row 0 is the header whether or not the reader is told so; earlier wells stay.
    for (bool headerRow : {true, false}) {
        SCOPED_TRACE(headerRow ? "header row" : "no header row");
        file.Reader().SetHeaderRow(headerRow);
        heads.assign(1, STRUCT_WELL_HEAD{});
        ASSERT_TRUE(loader.Load());

        ASSERT_EQ(heads.size(), 4u);
        const STRUCT_WELL_HEAD& a1 = At(heads, 1);
        EXPECT_EQ(a1.strWellName, L"A1");
        EXPECT_EQ(a1.strWellType, L"oil");
        EXPECT_DOUBLE_EQ(a1.dX, 20512345.25);
        EXPECT_DOUBLE_EQ(a1.dY, 4376210.50);
        EXPECT_EQ(a1.dX2, a1.dX);
        EXPECT_EQ(a1.dY2, a1.dY);
        EXPECT_FLOAT_EQ(a1.fBottomDepth, 1860.5f);
        EXPECT_FLOAT_EQ(a1.fKB, 1193.6f);
        EXPECT_FLOAT_EQ(At(heads, 2).fTopDepth, 1.5f);
        // Names are not checked for uniqueness: both A2 rows become records.
        EXPECT_EQ(At(heads, 2).strWellName, L"A2");
        EXPECT_EQ(At(heads, 3).strWellName, L"A2");
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(WellHeadLoadFailure, NoReaderOrNoDataRowLeavesTheListAlone) {
    std::list<STRUCT_WELL_HEAD> heads(1);
    EXPECT_FALSE(CWellHead(nullptr, &heads).Load());

    TableFile headerOnly({"wellname X-coord Y-coord"});
    EXPECT_FALSE(CWellHead(&headerOnly.Reader(), &heads).Load());

    CDataFileReader noFile;
    EXPECT_FALSE(CWellHead(&noFile, &heads).Load());
    EXPECT_EQ(heads.size(), 1u);
}

TEST_F(WellHeadTest, ParseRowsOfEveryShape) {
    struct Case {
        const char* what;
        Row row;
        bool appended;
        const wchar_t* name;
        double x;
        double y;
        float bottom;
    };
    const Case cases[] = {
        {"full row",
         {L"C3", L"1.5", L"2.25", L"oil", L"0", L"15", L"1"},
         true,
         L"C3",
         1.5,
         2.25,
         15},
        {"name only", {L"C4"}, true, L"C4", 0.0, 0.0, 0.0f},
        {"short row", {L"C5", L"100", L"200"}, true, L"C5", 100.0, 200.0, 0.0f},
        {"text cells", {L"C6", L"east", L"2", L"oil", L"0", L"1,5", L"kb"}, true, L"C6", 0, 2, 0},
        {"no cells", {}, false, L"", 0.0, 0.0, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const STRUCT_WELL_HEAD record = Parse(c.row);
        EXPECT_EQ(parsed, c.appended);
        EXPECT_EQ(record.strWellName, c.name);
        EXPECT_DOUBLE_EQ(record.dX, c.x);
        EXPECT_DOUBLE_EQ(record.dY, c.y);
        EXPECT_EQ(record.dX2, record.dX);
        EXPECT_EQ(record.dY2, record.dY);
        EXPECT_FLOAT_EQ(record.fBottomDepth, c.bottom);
    }
}

TEST_F(WellHeadTest, UnusedAttributesAndColumnsOutsideTheRowAreNotRead) {
    loader.SetXColumn(-1);
    loader.SetYColumn(7);
    loader.SetSymbolUsed(false);
    loader.SetTopDepthUsed(false);
    loader.SetBottomDepthUsed(false);
    loader.SetKBUsed(false);
    const STRUCT_WELL_HEAD record = Parse({L"C3", L"100", L"200", L"oil", L"5", L"1500", L"12"});
    EXPECT_TRUE(parsed);
    EXPECT_EQ(record.dX + record.dY, 0.0);
    EXPECT_EQ(record.strWellType, L"");
    EXPECT_EQ(record.fTopDepth + record.fBottomDepth + record.fKB, 0.0f);
}

TEST_F(WellHeadTest, DepthsAlwaysCarryTheirUnitWhileXYAndKBNeedUnitsChosen) {
    struct Case {
        const char* what;
        bool unitsChosen;
        int xUnit, yUnit, kbUnit, topUnit, bottomUnit;
        double x, y;
        float kb, top, bottom;
    };
    constexpr int M = COMMON::COOR_UNIT_M, IN = COMMON::COOR_UNIT_IN, FT = COMMON::COOR_UNIT_FT,
                  DM = COMMON::COOR_UNIT_DM, CM = COMMON::COOR_UNIT_CM;
    const Case cases[] = {
        {"feet, units not chosen", false, FT, FT, FT, FT, FT, 1000, 2000, 50, 30.48f, 609.6f},
        {"feet, units chosen", true, FT, FT, FT, FT, FT, 304.8, 609.6, 15.24f, 30.48f, 609.6f},
        {"each its own unit", true, IN, CM, DM, M, CM, 25.4, 20.0, 5.0f, 100.0f, 20.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loader.SetUnitsChosen(c.unitsChosen);
        loader.SetXUnit(c.xUnit);
        loader.SetYUnit(c.yUnit);
        loader.SetKBUnit(c.kbUnit);
        loader.SetTopDepthUnit(c.topUnit);
        loader.SetBottomDepthUnit(c.bottomUnit);
        for (std::int32_t invalid : {7, 5, -1}) { // codes outside the unit list are ignored
            loader.SetXUnit(invalid);
            loader.SetTopDepthUnit(invalid);
        }
        const STRUCT_WELL_HEAD record =
            Parse({L"W1", L"1000", L"2000", L"oil", L"100", L"2000", L"50"});
        EXPECT_NEAR(record.dX, c.x, 1e-9);
        EXPECT_NEAR(record.dY, c.y, 1e-9);
        EXPECT_EQ(record.dX2, record.dX);
        EXPECT_EQ(record.dY2, record.dY);
        EXPECT_FLOAT_EQ(record.fKB, c.kb);
        EXPECT_FLOAT_EQ(record.fTopDepth, c.top);
        EXPECT_FLOAT_EQ(record.fBottomDepth, c.bottom);
    }
}

TEST(WellHeadReset, EmptiesEverythingButTheReservedField) {
    STRUCT_WELL_HEAD record;
    record.strWellName = L"A1";
    record.strWellType = L"oil";
    record.dX = record.dY = record.dX2 = record.dY2 = 1.0;
    record.fTopDepth = record.fBottomDepth = record.fKB = 2.0f;
    record.nReserved = 42;

    CWellHead::ResetWellHead(&record);
    CWellHead::ResetWellHead(nullptr);
    EXPECT_FALSE(CWellHead(nullptr, nullptr).ParseWellHead({L"A1", L"1"}, nullptr));

    EXPECT_TRUE(record.strWellName.empty());
    EXPECT_TRUE(record.strWellType.empty());
    EXPECT_EQ(record.dX + record.dY + record.dX2 + record.dY2, 0.0);
    EXPECT_EQ(record.fTopDepth + record.fBottomDepth + record.fKB, 0.0f);
    EXPECT_EQ(record.nReserved, 42);
}

TEST_F(WellHeadTest, CopiedSettingsLoadIntoTheCopysOwnList) {
    loader.SetUnitsChosen(true);
    loader.SetXUnit(COMMON::COOR_UNIT_CM);
    TableFile otherFile({"X-coord name", "5000 Z9"});
    std::list<STRUCT_WELL_HEAD> otherHeads;
    CWellHead copy(&otherFile.Reader(), &otherHeads);
    loader.SetNameColumn(1);
    loader.SetXColumn(0);
    loader.SetYColumn(9);

    copy.CopySettingsFrom(loader);
    EXPECT_EQ(copy.GetNameColumn(), 1);
    EXPECT_EQ(copy.GetXColumn(), 0);
    EXPECT_EQ(copy.GetYColumn(), 9);
    ASSERT_TRUE(copy.Load());

    EXPECT_TRUE(heads.empty());
    ASSERT_EQ(otherHeads.size(), 1u);
    EXPECT_EQ(otherHeads.front().strWellName, L"Z9");
    EXPECT_DOUBLE_EQ(otherHeads.front().dX, 50.0);
}

} // namespace
