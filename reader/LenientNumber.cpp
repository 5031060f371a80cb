#include "reader/LenientNumber.h"

#include "reader/StrictNumber.h"

#include <cwctype>
#include <limits>

namespace welldata {

namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

size_t SkipDigits(std::wstring_view text, size_t position) {
    while (position < text.size() && IsDigit(text[position]))
        ++position;
    return position;
}

bool IsSign(std::wstring_view text, size_t position) {
    return position < text.size() && (text[position] == L'+' || text[position] == L'-');
}

// Length of the number at the start of `text`, 0 when there is none.
size_t LeadingNumberLength(std::wstring_view text) {
    size_t position = IsSign(text, 0) ? 1 : 0;
    const size_t integerEnd = SkipDigits(text, position);
    size_t end = integerEnd;
    size_t fractionDigits = 0;
    if (end < text.size() && text[end] == L'.') {
        const size_t fractionEnd = SkipDigits(text, end + 1);
        fractionDigits = fractionEnd - end - 1;
        end = fractionEnd;
    }
    if (integerEnd == position && fractionDigits == 0)
        return 0;
    // An exponent counts only when digits follow the "e" and its sign.
    if (end < text.size() && (text[end] == L'e' || text[end] == L'E')) {
        const size_t exponentStart = IsSign(text, end + 1) ? end + 2 : end + 1;
        const size_t exponentEnd = SkipDigits(text, exponentStart);
        if (exponentEnd > exponentStart)
            end = exponentEnd;
    }
    return end;
}

} // namespace

double LenientToDouble(std::wstring_view text) {
    size_t start = 0;
    while (start < text.size() && std::iswspace(static_cast<wint_t>(text[start])))
        ++start;
    const std::wstring_view rest = text.substr(start);
    const std::wstring_view number = rest.substr(0, LeadingNumberLength(rest));
    if (number.empty())
        return 0.0;
    double value = 0.0;
    if (ParseStrictDouble(number, value))
        return value;
    // A well-formed number that does not convert is out of range.
    const double huge = std::numeric_limits<double>::infinity();
    return number.front() == L'-' ? -huge : huge;
}

} // namespace welldata
