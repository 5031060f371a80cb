#include "loaders/CWellHead.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using COMMON::STRUCT_WELL_HEAD;

namespace {

// Name, type, X, Y, top, bottom and KB of a record, whose X2 and Y2 must be X and Y.
using Fields = std::tuple<std::wstring, std::wstring, double, double, float, float, float>;

Fields FieldsOf(const STRUCT_WELL_HEAD& head) {
    EXPECT_TRUE(head.dX2 == head.dX && head.dY2 == head.dY);
    return {head.strWellName, head.strWellType,  head.dX, head.dY,
            head.fTopDepth,   head.fBottomDepth, head.fKB};
}

// Every column of the file used, in file order.
struct WellHeadTest : testing::Test {
    WellHeadTest() {
        using C = CWellHead;
        int column = 0;
        for (auto set : {&C::SetNameColumn, &C::SetXColumn, &C::SetYColumn, &C::SetSymbolColumn,
                         &C::SetTopDepthColumn, &C::SetBottomDepthColumn, &C::SetKBColumn})
            (loader.*set)(column++);
        UseAttributes(true);
    }
    void UseAttributes(bool used) {
        for (auto set : {&CWellHead::SetSymbolUsed, &CWellHead::SetTopDepthUsed,
                         &CWellHead::SetBottomDepthUsed, &CWellHead::SetKBUsed})
            (loader.*set)(used);
    }
    Fields Parse(const Row& row) {
        STRUCT_WELL_HEAD record;
        parsed = loader.ParseWellHead(row, &record);
        return FieldsOf(record);
    }

    testing_support::ScratchFile file;
    std::list<STRUCT_WELL_HEAD> heads;
    CWellHead loader{&file.reader, &heads};
    bool parsed = false;
    testing_support::MessageCapture messages;
};

// Row 0 is the header even when the reader is told otherwise; earlier wells stay,
// and names are not checked for uniqueness. A failed load leaves the list alone.
TEST_F(WellHeadTest, LoadsEveryWellInFileOrderWithoutTheHeader) {
    file.Write(
        "wellname X Y Symbol TopD BottomD Kb\nA1 20512345.25 4376210.50 oil 0 1860.5 1193.6\n"
        "A2 20510000 4370000 dry 1.5 1702 1180\nA2 1 2 gas 0 3 4\n");
    file.reader.SetHeaderRow(false);
    heads.assign(1, STRUCT_WELL_HEAD{});
    ASSERT_TRUE(loader.Load());
    std::vector<Fields> loaded;
    for (const STRUCT_WELL_HEAD& head : heads)
        loaded.push_back(FieldsOf(head));
    EXPECT_EQ(loaded,
              (std::vector<Fields>{{},
                                   {L"A1", L"oil", 20512345.25, 4376210.50, 0, 1860.5f, 1193.6f},
                                   {L"A2", L"dry", 20510000, 4370000, 1.5f, 1702, 1180},
                                   {L"A2", L"gas", 1, 2, 0, 3, 4}}));
    file.reader.SetHeaderRow(true);
    file.Write("wellname X-coord Y-coord\n");
    EXPECT_FALSE(loader.Load());
    EXPECT_EQ(heads.size(), 4u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WellHeadTest, ParsesRowsOfEveryShape) {
    const std::tuple<Row, bool, Fields> cases[] = {
        {{L"C3", L"1", L"2.5", L"o", L"0", L"9", L"1"}, true, {L"C3", L"o", 1, 2.5, 0, 9, 1}},
        {{L"C4"}, true, {L"C4", L"", 0, 0, 0, 0, 0}},
        {{L"C6", L"east", L"2", L"oil", L"0", L"1,5", L"kb"}, true, {L"C6", L"oil", 0, 2, 0, 0, 0}},
        {Row{}, false, Fields{}}};
    for (const auto& [row, appended, fields] : cases) {
        EXPECT_EQ(Parse(row), fields) << testing::PrintToString(row);
        EXPECT_EQ(parsed, appended);
    }
}

// Depths always carry their unit; X, Y and KB only when units are chosen.
TEST_F(WellHeadTest, DepthsAlwaysCarryTheirUnitWhileXYAndKBNeedUnitsChosen) {
    using namespace COMMON;
    // Units chosen; X, Y, KB, top and bottom units; X, Y, KB, top and bottom read.
    const std::tuple<bool, std::array<int, 5>, std::array<double, 5>> cases[] = {
        {false,
         {COOR_UNIT_FT, COOR_UNIT_FT, COOR_UNIT_FT, COOR_UNIT_FT, COOR_UNIT_FT},
         {1000, 2000, 50, 30.48f, 609.6f}},
        {true,
         {COOR_UNIT_IN, COOR_UNIT_CM, COOR_UNIT_DM, COOR_UNIT_M, COOR_UNIT_CM},
         {25.4, 20.0, 5.0f, 100.0f, 20.0f}}};
    for (const auto& [chosen, units, want] : cases) {
        loader.SetUnitsChosen(chosen);
        loader.SetXUnit(units[0]);
        loader.SetYUnit(units[1]);
        loader.SetKBUnit(units[2]);
        loader.SetTopDepthUnit(units[3]);
        loader.SetBottomDepthUnit(units[4]);
        const auto [name, type, x, y, top, bottom, kb] =
            Parse({L"W1", L"1000", L"2000", L"oil", L"100", L"2000", L"50"});
        const double got[] = {x, y, kb, top, bottom};
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(got[i], want[i], 1e-6 * std::abs(want[i])) << chosen << " " << i;
    }
}

} // namespace
