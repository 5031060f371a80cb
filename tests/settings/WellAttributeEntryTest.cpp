#include "settings/WellAttributeEntry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct LineCase {
    std::wstring line;
    std::uint16_t id;
    std::vector<std::wstring> aliases;
};

TEST(WellAttributeEntryTest, ReadsIdAndAliasesOfALine) {
    const std::vector<LineCase> cases = {
        {L"17=DEPTH DEPT MD", 17, {L"DEPTH", L"DEPT", L"MD"}},
        {L"14=TVD  TRUEDEPTH", 14, {L"TVD", L"", L"TRUEDEPTH"}},
        {L"8=", 8, {}},
        {L"21=GR ", 21, {L"GR"}},
        {L"21=GR  ", 21, {L"GR", L""}},
        {L"21= GR", 21, {L"", L"GR"}},
        {L"21=GR=X Y", 21, {L"GR=X", L"Y"}},
        {L"21=gr\tGamma", 21, {L"gr\tGamma"}},
        {L"=A", 0, {L"A"}},
        {L"GR=A", 0, {L"A"}},
        {L" \t21=A", 21, {L"A"}},
        {L"21abc=A", 21, {L"A"}},
        {L"+21=A", 21, {L"A"}},
        {L"-1=A", 65535, {L"A"}},
        {L"65537=A", 1, {L"A"}},
        {L"99999999999=A", 65535, {L"A"}},
        {L"-99999999999=A", 0, {L"A"}},
        {L"２１=A", 0, {L"A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing_support::Narrow(c.line));
        const auto entry = WellAttributeEntry::FromLine(c.line);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->id, c.id);
        EXPECT_EQ(entry->aliases, c.aliases);
    }
}

TEST(WellAttributeEntryTest, LineWithoutEqualsSignIsNoEntry) {
    EXPECT_FALSE(WellAttributeEntry::FromLine(L"17 DEPTH").has_value());
    EXPECT_FALSE(WellAttributeEntry::FromLine(L"").has_value());
}

} // namespace
