#include "settings/CurveTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::wstring> UnitsOf(const CurveDefinition& row) {
    std::vector<std::wstring> units;
    for (const wchar_t* const* unit = row.units; **unit != L'\0'; ++unit)
        units.emplace_back(*unit);
    return units;
}

TEST(CurveTableTest, Holds38CurvesInIdOrderThenTheClosingRow) {
    for (int row = 0; row < kCurveTableRows; ++row) {
        EXPECT_EQ(CurveTable[row].id, static_cast<std::uint32_t>(17 + row));
        EXPECT_NE(CurveTable[row].units, nullptr);
    }
    EXPECT_EQ(CurveTable[kCurveTableRows].id, 0u);
    EXPECT_EQ(std::wstring(CurveTable[kCurveTableRows].mnemonic), L"");
    EXPECT_EQ(CurveTable[kCurveTableRows].units, nullptr);
}

struct CurveCase {
    std::uint32_t id;
    std::wstring mnemonic;
    std::vector<std::wstring> units;
};

const std::vector<std::wstring> kLength = {L"m",  L"dm",   L"cm",   L"in",   L"ft",
                                           L"米", L"分米", L"厘米", L"英寸", L"英尺"};
const std::vector<std::wstring> kResistivity = {L"\u03A9\u00B7M", L"ohm.m",
                                                L"\u6B27\u59C6\u00B7\u7C73"};
const std::vector<std::wstring> kGamma = {L"API", L"GAPI", L"微伦琴/小时"};

TEST(CurveTableTest, MnemonicsAndUnitTextsAreExact) {
    const std::vector<CurveCase> cases = {
        {17, L"DEPTH", kLength},
        {18, L"TVD", kLength},
        {19, L"CAL", {L"in", L"cm", L"英寸", L"厘米"}},
        {20, L"AC", {L"\u03BCs/m", L"\u03BCs/ft", L"微秒/米"}},
        {21, L"GR", kGamma},
        {22, L"NGS", {}},
        {23, L"SP", {L"MV", L"毫伏"}},
        {24, L"CNL", {L"%"}},
        {25, L"DEN", {L"g/cm^3", L"克/立方厘米"}},
        {26, L"COND", {L"毫姆欧/米"}},
        {27, L"MSFL", kResistivity},
        {32, L"RI", kResistivity},
        {36, L"SNP", {L"%"}},
        {39, L"R045", kResistivity},
        {41, L"GRSG", kGamma},
        {42, L"LL8", kResistivity},
        {43, L"NLL", {}},
        {46, L"R2.5", {}},
        {54, L"CLD", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const CurveDefinition& row = CurveTable[c.id - 17];
        EXPECT_EQ(row.mnemonic, c.mnemonic);
        EXPECT_EQ(UnitsOf(row), c.units);
    }
}

TEST(CurveTableTest, EveryResistivityCurveAcceptsTheSameUnits) {
    for (std::uint32_t id : {27, 28, 29, 30, 31, 32, 33, 34, 35, 37, 38, 39, 42}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(UnitsOf(*FindCurveDefinition(id)), kResistivity);
    }
}

TEST(CurveTableTest, MnemonicOfAnIdOutsideTheTableIsNull) {
    EXPECT_EQ(std::wstring(GetCurveMnemonic(17)), L"DEPTH");
    EXPECT_EQ(std::wstring(GetCurveMnemonic(46)), L"R2.5");
    EXPECT_EQ(std::wstring(GetCurveMnemonic(54)), L"CLD");
    for (std::uint32_t id : {0u, 1u, 16u, 55u, 0xFFFFFFFFu})
        EXPECT_EQ(GetCurveMnemonic(id), nullptr) << id;
}

struct UnitCase {
    std::uint32_t id;
    bool result;
    std::wstring unit;
};

TEST(CurveTableTest, DefaultUnitOnlyForCurves17To43) {
    const std::vector<UnitCase> cases = {
        {17, true, L"m"},      {20, true, L"\u03BCs/m"},
        {25, true, L"g/cm^3"}, {30, true, L"\u03A9\u00B7M"},
        {22, true, L""},       {43, true, L""},
        {44, false, L""},      {49, false, L""},
        {54, false, L""},      {16, false, L""},
        {0, false, L""},       {55, false, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        std::wstring unit = L"previous";
        EXPECT_EQ(GetDefaultCurveUnit(c.id, unit), c.result);
        EXPECT_EQ(unit, c.unit);
    }
}

} // namespace
