#include "reader/LasDepthReport.h"

#include <gtest/gtest.h>

namespace {

TEST(LasDepthReport, LongDepthCellsAreCutThreeDecimalsAfterThePoint) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"1670.125", L"1670.125"},         {L"1234567890", L"1234567890"},
        {L"1670.123456", L"1670.123"},      {L"12345678901", L""},
        {L"1234567890.5", L"1234567890.5"}, {L"-1.#IND000000", L"-1.#IN"},
    };
    for (const auto& [cell, text] : cases)
        EXPECT_EQ(LasDepthReport::DepthText(cell), text)
            << testing::PrintToString(std::wstring(cell));
}

TEST(LasDepthReport, LastSeparatorBecomesAPoint) {
    LasDepthReport report;
    EXPECT_TRUE(report.IsEmpty());
    report.Add(L"1000.5");
    report.Add(L"12345678901");
    report.Add(L"1001");
    EXPECT_EQ(report.Text(), L"1000.5,,1001.");
}

} // namespace
