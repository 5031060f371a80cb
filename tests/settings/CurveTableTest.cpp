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
    const struct {
        std::uint32_t id;
        const wchar_t* mnemonic;
        bool result;
        std::wstring unit;
    } cases[] = {{17, L"DEPTH", true, L"m"},
                 {20, L"AC", true, L"\u03BCs/m"},
                 {30, L"RT", true, L"\u03A9\u00B7M"},
                 {43, L"NLL", true, L""},
                 {44, L"ML1", false, L""},
                 {54, L"CLD", false, L""},
                 {16, nullptr, false, L""},
                 {55, nullptr, false, L""},
                 {0, nullptr, false, L""},
                 {0xFFFFFFFFu, nullptr, false, L""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const wchar_t* mnemonic = GetCurveMnemonic(c.id);
        EXPECT_EQ(mnemonic ? std::wstring(mnemonic) : L"(null)",
                  c.mnemonic ? c.mnemonic : L"(null)");
        std::wstring unit = L"previous";
        EXPECT_EQ(GetDefaultCurveUnit(c.id, unit), c.result);
        EXPECT_EQ(unit, c.unit);
    }
}
