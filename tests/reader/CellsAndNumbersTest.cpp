#include "reader/CellSplitter.h"
#include "reader/StrictNumber.h"

#include <gtest/gtest.h>

using welldata::SplitCells;

struct SplitCase {
    std::wstring line;
    Row cells;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << testing::PrintToString(c.line);
}

class CellSplitterTest : public testing::TestWithParam<SplitCase> {};

TEST_P(CellSplitterTest, Splits) {
    EXPECT_EQ(SplitCells(GetParam().line), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CellSplitterTest,
    testing::Values(SplitCase{L"DEPTH GR  SP", {L"DEPTH", L"GR", L"SP"}},
                    SplitCase{L"1.0,,2.0", {L"1.0", L"2.0"}}, // empty fields vanish
                    SplitCase{L"\t;a:b;\t", {L"a", L"b"}},
                    SplitCase{L"00:00:00", {L"00", L"00", L"00"}},
                    SplitCase{L"a\rb c\n", {L"ab", L"c"}}, // line ends removed, not split
                    SplitCase{L"\"two words\"", {L"\"two", L"words\""}},
                    SplitCase{L"井名 横坐标", {L"井名", L"横坐标"}}, SplitCase{L"", {}},
                    SplitCase{L" ,;: \t", {}}));

TEST(StrictNumber, AcceptsOnlyWholeNumbers) {
    for (const wchar_t* text : {L"2150.125", L"-999.25", L"+1", L"1e3", L"1.5E-3", L".5", L"1.",
                                L"nan", L"-inf", L"00012"})
        EXPECT_TRUE(welldata::IsStrictNumber(text)) << testing::PrintToString(std::wstring(text));
    for (const wchar_t* text : {L"", L".", L"-", L"1e", L" 1", L"1 ", L"1,5", L"2020-01-01",
                                L"0x10", L"1d3", L"-1.#IND0000", L"１", L"1e309"})
        EXPECT_FALSE(welldata::IsStrictNumber(text)) << testing::PrintToString(std::wstring(text));
}

TEST(StrictNumber, FailureLeavesTheValueAlone) {
    double value = 7.0;
    EXPECT_FALSE(welldata::ParseStrictDouble(L"abc", value));
    EXPECT_EQ(value, 7.0);
    EXPECT_TRUE(welldata::ParseStrictDouble(L"-9999.0", value));
    EXPECT_EQ(value, -9999.0);
}
