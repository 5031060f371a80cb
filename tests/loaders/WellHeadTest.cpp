#include "loaders/CWellHead.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using COMMON::STRUCT_WELL_HEAD;

namespace {

// Name, type, X, Y, top, bottom and KB of a record, whose X2 and Y2 must be X and Y.
using Fields = std::tuple<std::wstring, std::wstring, double, double, float, float, float>;

Fields FieldsOf(const STRUCT_WELL_HEAD& head) {
    EXPECT_EQ(head.dX2, head.dX);
    EXPECT_EQ(head.dY2, head.dY);
    return {head.strWellName, head.strWellType,  head.dX, head.dY,
            head.fTopDepth,   head.fBottomDepth, head.fKB};
}

class WellHeadTest : public ::testing::Test {
protected:
    // Every column of the file is used, in file order.
    WellHeadTest() {
        file.Write("wellname  X-coord     Y-coord    Symbol  TopD   BottomD  Kb\n"
                   "A1        20512345.25 4376210.50 oil     0      1860.5   1193.6\n"
                   "A2        20514506.70 4375269.58 gas     1.5    2010     1205.5\n"
                   "A2        20510000    4370000    dry     0      1702     1180\n");
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

TEST_F(WellHeadTest, LoadsEveryWellInFileOrderWithoutTheHeader) {
    // Row 0 is the header even when the reader is told otherwise; earlier wells
    // stay, and names are not checked for uniqueness.
    file.reader.SetHeaderRow(false);
    heads.assign(1, STRUCT_WELL_HEAD{});
    ASSERT_TRUE(loader.Load());
    std::vector<Fields> loaded;
    for (const STRUCT_WELL_HEAD& head : heads)
        loaded.push_back(FieldsOf(head));
    EXPECT_EQ(loaded,
              (std::vector<Fields>{{},
                                   {L"A1", L"oil", 20512345.25, 4376210.50, 0, 1860.5f, 1193.6f},
                                   {L"A2", L"gas", 20514506.70, 4375269.58, 1.5f, 2010, 1205.5f},
                                   {L"A2", L"dry", 20510000, 4370000, 0, 1702, 1180}}));
    EXPECT_EQ(messages.Count(), 0u);
    // No file or no data row: the list stays as it is.
    CDataFileReader noFile;
    EXPECT_FALSE(CWellHead(&noFile, &heads).Load());
    file.reader.SetHeaderRow(true);
    file.Write("wellname X-coord Y-coord\n");
    EXPECT_FALSE(loader.Load());
    EXPECT_EQ(heads.size(), 4u);
}

TEST_F(WellHeadTest, ParsesRowsOfEveryShape) {
    const std::tuple<Row, bool, Fields> cases[] = {
        {{L"C3", L"1", L"2.5", L"o", L"0", L"9", L"1"}, true, {L"C3", L"o", 1, 2.5, 0, 9, 1}},
        {{L"C4"}, true, {L"C4", L"", 0, 0, 0, 0, 0}},
        {{L"C5", L"100", L"200"}, true, {L"C5", L"", 100, 200, 0, 0, 0}},
        {{L"C6", L"east", L"2", L"oil", L"0", L"1,5", L"kb"}, true, {L"C6", L"oil", 0, 2, 0, 0, 0}},
        {Row{}, false, Fields{}}};
    for (const auto& [row, appended, fields] : cases) {
        EXPECT_EQ(Parse(row), fields) << testing::PrintToString(row);
        EXPECT_EQ(parsed, appended);
    }
    // Unused attributes and columns outside the row are not read.
    UseAttributes(false);
    loader.SetXColumn(-1);
    loader.SetYColumn(7);
    EXPECT_EQ(Parse({L"C3", L"100", L"200", L"oil", L"5", L"1500", L"12"}),
              (Fields{L"C3", L"", 0, 0, 0, 0, 0}));
    EXPECT_TRUE(parsed);
}

TEST_F(WellHeadTest, DepthsAlwaysCarryTheirUnitWhileXYAndKBNeedUnitsChosen) {
    constexpr int M = COMMON::COOR_UNIT_M, IN = COMMON::COOR_UNIT_IN, FT = COMMON::COOR_UNIT_FT,
                  DM = COMMON::COOR_UNIT_DM, CM = COMMON::COOR_UNIT_CM;
    const struct {
        bool unitsChosen;
        int xUnit, yUnit, kbUnit, topUnit, bottomUnit;
        double x, y, kb, top, bottom;
    } cases[] = {{false, FT, FT, FT, FT, FT, 1000, 2000, 50, 30.48f, 609.6f},
                 {true, IN, CM, DM, M, CM, 25.4, 20.0, 5.0f, 100.0f, 20.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xUnit + 10 * c.unitsChosen);
        loader.SetUnitsChosen(c.unitsChosen);
        loader.SetYUnit(c.yUnit);
        loader.SetKBUnit(c.kbUnit);
        loader.SetBottomDepthUnit(c.bottomUnit);
        loader.SetXUnit(c.xUnit);
        loader.SetTopDepthUnit(c.topUnit);
        const auto [name, type, x, y, top, bottom, kb] =
            Parse({L"W1", L"1000", L"2000", L"oil", L"100", L"2000", L"50"});
        const double got[] = {x, y, kb, top, bottom}, want[] = {c.x, c.y, c.kb, c.top, c.bottom};
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(got[i], want[i], 1e-6 * std::abs(want[i])) << i;
    }
}

} // namespace
