// The fast number conversion must accept and reject exactly what lexical_cast
// does, and give the same bits, on valid, invalid and borderline texts alike.
#include "reader/StrictNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <locale>
#include <random>

namespace {

using Texts = std::vector<std::wstring>;

size_t CountDisagreements(const Texts& texts) {
    size_t failures = 0;
    for (const std::wstring& text : texts) {
        double fast = 12345.0, reference = 12345.0;
        const bool fastOk = welldata::ParseStrictDouble(text, fast);
        const bool referenceOk = welldata::ParseStrictDoubleByLexicalCast(text, reference);
        if ((fastOk != referenceOk || std::memcmp(&fast, &reference, sizeof fast) != 0) &&
            ++failures <= 20)
            ADD_FAILURE() << testing::PrintToString(text) << ": " << fastOk << " " << fast
                          << ", reference " << referenceOk << " " << reference;
    }
    return failures;
}

// Texts that sit on the edge of what a number is, "|"-separated in groups.
Texts BorderlineTexts() {
    const std::wstring_view groups[] = {
        L"|0|-0|+0|00012|1.|.5|-.5|+.5|.|-|+|--1|+-1|1.2.3|1,5|0x10|1d3|1f|1 | 1|1\n|\t1",
        L"1e|1e+|1e-|e3|E3|.e3|1.e3|1e3|1E+3|1.5e-3|1e0003|1e00003|0e99999|0.0e-99999|-0.000",
        L"nan|NaN|NAN|-nan|+nan|nan()|nan(1)|nan(abc)|nan(|nan)|nanq|na",
        L"inf|-inf|+inf|INF|Inf|infinity|INFINITY|-Infinity|infinit|infinityy|in",
        L"1e308|1.7976931348623157e308|1.7976931348623159e308|1e309|-1e309|1e-320|1e-400",
        L"-1e-400|4.9e-324|2.4e-324|2.5e-324|1e22|1e23|1e-22|1e-23|4503599627370497.5",
        L"123456789012345678901234567890|-123456789012345678901234567890.5|9007199254740992",
        L"9007199254740993|9007199254740993.0|1234567890123456789|12345678901234567890",
        L"0.000000000000000000000001|0.1|0.2|0.3|2150.125|-999.25|-9999.0",
        L"１|１２.５|٣|1٣|²|1e5\u00A0|\u22121|1e\u22121",
    };
    Texts texts;
    for (const std::wstring_view group : groups)
        for (size_t start = 0, end = 0; end != group.npos; start = end + 1) {
            end = group.find(L'|', start);
            texts.emplace_back(group.substr(start, end - start)); // npos - start: to the end
        }
    return texts;
}

// Doubles of every magnitude, printed as programs print them.
std::wstring RandomPrintedDouble(std::mt19937_64& random) {
    double value = std::ldexp(static_cast<double>(random() % 100000000), -(int)(random() % 30));
    if (random() % 2) {
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
    }
    static const wchar_t* const formats[] = {L"%.17g", L"%.3f", L"%g", L"%e", L"%.20f"};
    wchar_t buffer[512];
    std::swprintf(buffer, 512, formats[random() % 5], std::isfinite(value) ? value : 1.0);
    return buffer;
}

struct CommaPoint : std::numpunct<wchar_t> {
    wchar_t do_decimal_point() const override { return L','; }
};

} // namespace

TEST(StrictNumberEquivalence, BorderlineAndGeneratedTextsAgreeWithLexicalCast) {
    EXPECT_EQ(CountDisagreements(BorderlineTexts()), 0u);
    std::mt19937_64 random(20240605);
    Texts texts;
    for (int i = 0; i < 200000; ++i)
        texts.push_back(RandomPrintedDouble(random));
    EXPECT_EQ(CountDisagreements(texts), 0u);
}

// A host (any Qt application) may set a global locale with a comma for a point:
// the numbers of the files must read as they do under the classic locale.
TEST(StrictNumberEquivalence, AgreesUnderAnotherGlobalLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const size_t failures = CountDisagreements({L"1,5", L"1.5", L"-999,25", L"2150", L"nan"});
    std::locale::global(previous);
    EXPECT_EQ(failures, 0u);
}
