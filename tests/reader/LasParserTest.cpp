#include "reader/LasDepthReport.h"
#include "reader/LasItemLine.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::LasHeader;
using testing_support::LasWithData;
using testing_support::ScratchFile;

TEST(LasParser, AWrapValueInLowerCaseWraps) {
    ScratchFile las;
    ASSERT_TRUE(las.ReadLas(LasWithData("1000.0\n45 2.5\n1000.5 46\n3.5\n", "yes")));
    EXPECT_EQ(las.reader.GetRows(),
              (RowTable{{L"1000.0", L"45", L"2.5"}, {L"1000.5", L"46", L"3.5"}}));
}

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

TEST(LasDepthReport, LastSeparatorBecomesAPointAndLinesBreakEveryHundredCharacters) {
    LasDepthReport report, many;
    // Cells are cut three decimals after the point; longer than ten digits before it, dropped.
    for (const wchar_t* depth : {L"1000.5", L"12345678901", L"1234567890.5", L"-1.#IND000000"})
        report.Add(depth);
    EXPECT_EQ(report.Text(), L"1000.5,,1234567890.5,-1.#IN.");
    for (int i = 0; i < 5000; ++i)
        many.Add(std::to_wstring(1000 + i) + L".123456");
    const std::wstring text = many.Text();
    EXPECT_EQ(text.substr(0, 18), L"1000.123,1001.123,");
    EXPECT_EQ(text.substr(text.size() - 9), L"5999.123.");
    size_t lines = 0, start = 0;
    for (size_t end = text.find(L"\r\n"); end != std::wstring::npos;
         start = end + 2, end = text.find(L"\r\n", start), ++lines)
        EXPECT_TRUE(end - start >= 90 && end - start <= 110) << end - start;
    EXPECT_EQ(text.size(), 5000 * 9 + lines * 2);
    EXPECT_GT(lines, 440u);
}
