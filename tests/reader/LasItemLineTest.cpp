#include "reader/LasItemLine.h"

#include <gtest/gtest.h>

TEST(LasItemLine, SplitsMnemonicUnitValueAndDescription) {
    // Line, then mnemonic, unit, value and description.
    const std::array<const wchar_t*, 5> cases[] = {
        {L" DEPT.M      : Depth", L"DEPT", L"M", L"", L" Depth"},
        {L" NULL.   -999.25 : null value", L"NULL", L"", L"-999.25", L" null value"},
        {L" GR .unknown  45 310 : gamma", L"GR", L"", L"45310", L" gamma"},
        // A blank in the description ends the unit there.
        {L"WRAP.NO:one line", L"WRAP", L"NO:one", L"", L"WRAP.NO:one line"},
        // Tabs end the unit, but only blanks are trimmed from the mnemonic.
        {L"TIME\t .S\t:\tclock", L"TIME\t", L"S", L"", L"\tclock"},
        // The value ends at the first ":" after the unit, even inside a time.
        {L" DATE.hh:mm  21:30 23-JAN : pick", L"DATE", L"hh:mm", L"21", L"30 23-JAN : pick"},
    };
    for (const auto& [line, mnemonic, unit, value, description] : cases) {
        const std::optional<CLasItem> item = welldata::SplitLasItem(line);
        ASSERT_TRUE(item.has_value()) << testing::PrintToString(std::wstring(line));
        EXPECT_EQ(
            std::vector({item->strMnemonic, item->strUnit, item->strValue, item->strDescription}),
            std::vector<std::wstring>({mnemonic, unit, value, description}));
    }
    EXPECT_FALSE(welldata::SplitLasItem(L"DEPTH").has_value()); // no end to the mnemonic
    EXPECT_FALSE(welldata::SplitLasItem(L"\t--\t--").has_value());
}
