#include "settings/CurveTable.h"

#include <gtest/gtest.h>

// Lookups go by position, so the ids must run on without a gap to the closing row.
TEST(CurveTableTest, RowsRunInIdOrderToTheClosingRow) {
    for (int row = 0; row < kCurveTableRows; ++row)
        EXPECT_EQ(CurveTable[row].id, static_cast<std::uint32_t>(17 + row));
    EXPECT_EQ(CurveTable[kCurveTableRows].units, nullptr);
}

// Only curves 17 to 43 give a default unit; the unit texts with non-ASCII
// characters are the easy ones to mistype.
TEST(CurveTableTest, MnemonicAndDefaultUnitOfEachId) {
    const std::tuple<std::uint32_t, const wchar_t*, bool, std::wstring> cases[] = {
        {17, L"DEPTH", true, L"m"},
        {20, L"AC", true, L"\u03BCs/m"},
        {30, L"RT", true, L"\u03A9\u00B7M"},
        {43, L"NLL", true, L""},
        {44, L"ML1", false, L""},
        {54, L"CLD", false, L""},
        {16, nullptr, false, L""},
        {55, nullptr, false, L""},
        {0, nullptr, false, L""},
        {0xFFFFFFFFu, nullptr, false, L""}};
    for (const auto& [id, mnemonic, result, defaultUnit] : cases) {
        const wchar_t* found = GetCurveMnemonic(id);
        EXPECT_EQ(found ? found : L"(null)", std::wstring(mnemonic ? mnemonic : L"(null)")) << id;
        std::wstring unit = L"previous";
        EXPECT_EQ(GetDefaultCurveUnit(id, unit), result) << id;
        EXPECT_EQ(unit, defaultUnit) << id;
    }
}
