#include "settings/CurveTable.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> UnitsOf(std::uint32_t id) {
    std::vector<std::wstring> units;
    for (const wchar_t* const* unit = FindCurveDefinition(id)->units; **unit != L'\0'; ++unit)
        units.emplace_back(*unit);
    return units;
}

using Units = std::vector<std::wstring>;
const Units kLength = {L"m", L"dm", L"cm", L"in", L"ft", L"米", L"分米", L"厘米", L"英寸", L"英尺"};
const Units kResistivity = {L"\u03A9\u00B7M", L"ohm.m", L"\u6B27\u59C6\u00B7\u7C73"};
const Units kGamma = {L"API", L"GAPI", L"微伦琴/小时"};

// The texts that are easy to mistype, and each kind of unit list.
TEST(CurveTableTest, RowsHoldTheExactMnemonicsAndUnitTexts) {
    for (int row = 0; row < kCurveTableRows; ++row)
        EXPECT_EQ(CurveTable[row].id, static_cast<std::uint32_t>(17 + row));
    EXPECT_EQ(CurveTable[kCurveTableRows].id, 0u);
    EXPECT_EQ(CurveTable[kCurveTableRows].units, nullptr);

    const struct {
        std::uint32_t id;
        std::wstring mnemonic;
        Units units;
    } cases[] = {{17, L"DEPTH", kLength},
                 {20, L"AC", {L"\u03BCs/m", L"\u03BCs/ft", L"微秒/米"}},
                 {25, L"DEN", {L"g/cm^3", L"克/立方厘米"}},
                 {27, L"MSFL", kResistivity},
                 {41, L"GRSG", kGamma},
                 {43, L"NLL", {}},
                 {46, L"R2.5", {}},
                 {54, L"CLD", {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetCurveMnemonic(c.id), c.mnemonic) << c.id;
        EXPECT_EQ(UnitsOf(c.id), c.units) << c.id;
    }
    for (std::uint32_t id : {0u, 16u, 55u, 0xFFFFFFFFu})
        EXPECT_EQ(GetCurveMnemonic(id), nullptr) << id;
}

TEST(CurveTableTest, DefaultUnitOnlyForCurves17To43) {
    const struct {
        std::uint32_t id;
        bool result;
        std::wstring unit;
    } cases[] = {{17, true, L"m"}, {20, true, L"\u03BCs/m"}, {30, true, L"\u03A9\u00B7M"},
                 {22, true, L""},  {43, true, L""},          {44, false, L""},
                 {54, false, L""}, {16, false, L""},         {0, false, L""}};
    for (const auto& c : cases) {
        std::wstring unit = L"previous";
        EXPECT_EQ(GetDefaultCurveUnit(c.id, unit), c.result) << c.id;
        EXPECT_EQ(unit, c.unit) << c.id;
    }
}

} // namespace
