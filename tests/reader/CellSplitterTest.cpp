#include "reader/CellSplitter.h"

#include <gtest/gtest.h>

// Which texts are numbers is proven against the reference conversion in
// StrictNumberEquivalenceTest; here only how lines become cells.
TEST(CellSplitter, SplitsAtBlanksTabsCommasColonsAndSemicolons) {
    const std::pair<std::wstring, Row> cases[] = {
        {L"DEPTH GR  SP", {L"DEPTH", L"GR", L"SP"}},
        {L"1.0,,2.0", {L"1.0", L"2.0"}}, // empty fields vanish
        {L"\t;a:b;\t", {L"a", L"b"}},
        {L"a\rb c\n", {L"ab", L"c"}}, // line ends removed, not split
        {L"\"two words\"", {L"\"two", L"words\""}},
        {L"", {}},
        {L" ,;: \t", {}},
    };
    for (const auto& [line, cells] : cases)
        EXPECT_EQ(welldata::SplitCells(line), cells) << testing::PrintToString(line);
}
