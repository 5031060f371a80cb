#include "settings/WellAttributeEntry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WellAttributeEntryTest, ReadsIdAndAliasesOfALine) {
    const std::tuple<std::wstring, std::uint16_t, std::vector<std::wstring>> cases[] = {
        {L"17=DEPTH DEPT MD", 17, {L"DEPTH", L"DEPT", L"MD"}},
        {L"14=TVD  TRUEDEPTH", 14, {L"TVD", L"", L"TRUEDEPTH"}},
        {L"8=", 8, {}},
        {L"21=GR  ", 21, {L"GR", L""}},
        {L"21=GR=X\tY", 21, {L"GR=X\tY"}},
        {L"GR=A", 0, {L"A"}},
        {L" \t21abc=A", 21, {L"A"}},
        {L"-1=A", 65535, {L"A"}},
        {L"99999999999=A", 65535, {L"A"}}};
    for (const auto& [line, id, aliases] : cases) {
        const auto entry = WellAttributeEntry::FromLine(line);
        ASSERT_TRUE(entry.has_value()) << testing_support::Narrow(line);
        EXPECT_EQ(std::tie(entry->id, entry->aliases), std::tie(id, aliases))
            << testing_support::Narrow(line);
    }
    EXPECT_FALSE(WellAttributeEntry::FromLine(L"17 DEPTH").has_value());
}
