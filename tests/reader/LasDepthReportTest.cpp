#include "reader/LasDepthReport.h"

#include <gtest/gtest.h>

TEST(LasDepthReport, LastSeparatorBecomesAPointAndLinesBreakEveryHundredCharacters) {
    LasDepthReport report, many;
    EXPECT_TRUE(report.IsEmpty());
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
