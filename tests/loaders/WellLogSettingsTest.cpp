#include "loaders/CWellLog.h"
#include "reader/LenientNumber.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(WellLogSettings, ReplaceNullMatchesWithinAThousandth) {
    CWellLog log(nullptr, nullptr, nullptr);
    const std::pair<double, double> cases[] = {{-999.25, -9999.0},   {-999.2509, -9999.0},
                                               {-999.252, -999.252}, {0.001, -9999.0},
                                               {-0.0005, -9999.0},   {12.5, 12.5}};
    for (auto [value, expected] : cases) {
        log.ReplaceNull(value, {-999.25f, 0.0f});
        EXPECT_DOUBLE_EQ(value, expected);
    }
    double untouched = -999.25;
    log.ReplaceNull(untouched, {});
    EXPECT_EQ(untouched, -999.25);
}

TEST(WellLogSettings, LenientConversionTakesTheLeadingNumber) {
    const wchar_t* texts[] = {L"-9.25", L" -2 (no)", L"+12.5e2x", L"1e",   L".5",   L"7.",
                              L"",      L"none",     L"-.e3",     L"0x10", L"\t42", L"1,5"};
    const double expected[] = {-9.25, -2, 1250.0, 1.0, 0.5, 7.0, 0.0, 0.0, 0.0, 0.0, 42, 1};
    for (size_t i = 0; i < std::size(texts); ++i)
        EXPECT_EQ(welldata::LenientToDouble(texts[i]), expected[i]) << i;
    EXPECT_TRUE(std::isinf(welldata::LenientToDouble(L"-1e999")));
}

} // namespace
