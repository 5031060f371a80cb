#include "reader/CellSplitter.h"
#include "reader/StrictNumber.h"

#include <gtest/gtest.h>

TEST(CellSplitter, SplitsAtBlanksTabsCommasColonsAndSemicolons) {
    const std::pair<std::wstring, Row> cases[] = {
        {L"DEPTH GR  SP", {L"DEPTH", L"GR", L"SP"}},
        {L"1.0,,2.0", {L"1.0", L"2.0"}}, // empty fields vanish
        {L"\t;a:b;\t", {L"a", L"b"}},
        {L"00:00:00", {L"00", L"00", L"00"}},
        {L"a\rb c\n", {L"ab", L"c"}}, // line ends removed, not split
        {L"\"two words\"", {L"\"two", L"words\""}},
        {L"井名 横坐标", {L"井名", L"横坐标"}},
        {L"", {}},
        {L" ,;: \t", {}},
    };
    for (const auto& [line, cells] : cases)
        EXPECT_EQ(welldata::SplitCells(line), cells) << testing::PrintToString(line);
}

TEST(StrictNumber, AcceptsOnlyWholeNumbers) {
    for (const wchar_t* text : {L"2150.125", L"-999.25", L"+1", L"1e3", L"1.5E-3", L".5", L"1.",
                                L"nan", L"-inf", L"00012"})
        EXPECT_TRUE(welldata::IsStrictNumber(text)) << testing::PrintToString(std::wstring(text));
    for (const wchar_t* text : {L"", L".", L"-", L"1e", L" 1", L"1 ", L"1,5", L"2020-01-01",
                                L"0x10", L"1d3", L"-1.#IND0000", L"１", L"1e309"})
        EXPECT_FALSE(welldata::IsStrictNumber(text)) << testing::PrintToString(std::wstring(text));
}
