#include "reader/StrictNumber.h"

#include "reader/CellText.h"

#include <boost/lexical_cast.hpp>
#include <cstdint>
#include <locale>

namespace welldata {

namespace {

// Every power of ten up to 1e22 is a double exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr int kMaxMantissaDigits = 19; // fits an unsigned 64-bit integer
constexpr int kMaxExponentDigits = 4;

template <class Char> bool IsDigit(Char c) {
    return c >= '0' && c <= '9';
}

// The stream behind lexical_cast reads numbers with the global locale's
// punctuation; only the classic one matches the plain decimal reading below.
bool GlobalLocaleIsClassic() {
    return std::locale() == std::locale::classic();
}

// Decimal text that reads exactly: at most 19 significant digits forming a
// mantissa below 2^53, scaled by a power of ten of at most 22. Both are exact
// doubles, so one multiplication or division rounds the way strtod does. Wide
// text and the bytes of a kept cell read alike: only ASCII characters count.
template <class Char> class PlainDecimal {
public:
    explicit PlainDecimal(std::basic_string_view<Char> text)
        : m_p(text.data()), m_end(m_p + text.size()) {}

    // False when the text is not plain decimal or cannot be read exactly.
    bool Read(double& value) {
        bool negative = false;
        if (m_p != m_end && (*m_p == '-' || *m_p == '+'))
            negative = *m_p++ == '-';
        if (!ReadDigits(false))
            return false;
        if (m_p != m_end && *m_p == '.') {
            ++m_p;
            if (!ReadDigits(true))
                return false;
        }
        if (!m_anyDigit || !ReadExponent() || m_p != m_end)
            return false;
        double result = 0.0;
        if (m_mantissa != 0) {
            if (m_mantissa > kMaxExactMantissa || m_exponent < -kMaxExactPower ||
                m_exponent > kMaxExactPower)
                return false;
            result = static_cast<double>(m_mantissa);
            result = m_exponent < 0 ? result / kExactPowersOfTen[-m_exponent]
                                    : result * kExactPowersOfTen[m_exponent];
        }
        value = negative ? -result : result;
        return true;
    }

private:
    // Leading zeros add nothing; each fraction digit lowers the exponent.
    bool ReadDigits(bool fraction) {
        for (; m_p != m_end && IsDigit(*m_p); ++m_p) {
            m_anyDigit = true;
            if (fraction)
                --m_exponent;
            if (m_mantissa == 0 && *m_p == '0')
                continue;
            if (++m_digits > kMaxMantissaDigits)
                return false;
            m_mantissa = m_mantissa * 10 + static_cast<std::uint64_t>(*m_p - '0');
        }
        return true;
    }

    bool ReadExponent() {
        if (m_p == m_end || (*m_p != 'e' && *m_p != 'E'))
            return true;
        ++m_p;
        bool negative = false;
        if (m_p != m_end && (*m_p == '-' || *m_p == '+'))
            negative = *m_p++ == '-';
        int exponent = 0;
        int digits = 0;
        for (; m_p != m_end && IsDigit(*m_p); ++m_p) {
            if (++digits > kMaxExponentDigits)
                return false;
            exponent = exponent * 10 + (*m_p - '0');
        }
        m_exponent += negative ? -exponent : exponent;
        return digits > 0;
    }

    const Char* m_p;
    const Char* m_end;
    std::uint64_t m_mantissa = 0;
    int m_digits = 0;
    int m_exponent = 0;
    bool m_anyDigit = false;
};

// After an optional sign a number starts with a digit or a point, and "nan" or
// "inf" with their letter; any other text is never a number. A kept cell's
// byte past 0x7F stands for a character past it, which starts no number either.
template <class Char> bool CannotBeNumber(std::basic_string_view<Char> text) {
    size_t first = 0;
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        first = 1;
    if (first >= text.size())
        return true;
    const Char c = text[first];
    return !IsDigit(c) && c != '.' && c != 'n' && c != 'N' && c != 'i' && c != 'I';
}

// The whole conversion on text of `Char`; `wide` gives the text as the
// lexical cast reads it.
template <class Char, class Wide>
bool ParseStrict(std::basic_string_view<Char> text, double& value, Wide wide) {
    if (GlobalLocaleIsClassic()) {
        if (CannotBeNumber(text))
            return false;
        if (PlainDecimal<Char>(text).Read(value))
            return true;
    }
    return ParseStrictDoubleByLexicalCast(wide(), value);
}

} // namespace

bool ParseStrictDoubleByLexicalCast(std::wstring_view text, double& value) {
    double converted = 0.0;
    if (!boost::conversion::try_lexical_convert(text.data(), text.size(), converted))
        return false;
    value = converted;
    return true;
}

bool ParseStrictDouble(std::wstring_view text, double& value) {
    return ParseStrict(text, value, [text] { return text; });
}

bool ParseStrictCell(std::string_view cell, double& value) {
    return ParseStrict(cell, value, [cell] { return CellToWide(cell); });
}

bool IsStrictNumber(std::wstring_view text) {
    double ignored = 0.0;
    return ParseStrictDouble(text, ignored);
}

} // namespace welldata
