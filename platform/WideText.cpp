#include "platform/WideText.h"

#include <algorithm>
#include <cwctype>
#include <locale.h>

namespace welldata {

namespace {

// Case rules must not depend on the process's locale (a Qt application sets it
// from the environment, a plain program keeps "C", whose rules are ASCII only):
// the built-in UTF-8 locale maps every letter.
locale_t CaseLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return locale;
}

} // namespace

wchar_t ToUpperChar(wchar_t c) {
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    const locale_t locale = CaseLocale();
    return locale != static_cast<locale_t>(0)
               ? static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), locale))
               : c;
}

wchar_t ToLowerChar(wchar_t c) {
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    const locale_t locale = CaseLocale();
    return locale != static_cast<locale_t>(0)
               ? static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), locale))
               : c;
}

std::wstring ToUpper(std::wstring_view text) {
    std::wstring out(text);
    std::transform(out.begin(), out.end(), out.begin(), ToUpperChar);
    return out;
}

std::wstring ToLower(std::wstring_view text) {
    std::wstring out(text);
    std::transform(out.begin(), out.end(), out.begin(), ToLowerChar);
    return out;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return ToUpperChar(x) == ToUpperChar(y); });
}

bool ContainsNoCase(std::wstring_view text, std::wstring_view needle) {
    const auto found =
        std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                    [](wchar_t x, wchar_t y) { return ToUpperChar(x) == ToUpperChar(y); });
    return found != text.end() || needle.empty();
}

std::wstring_view TrimView(std::wstring_view text, std::wstring_view characters) {
    const size_t first = text.find_first_not_of(characters);
    if (first == std::wstring_view::npos)
        return {};
    const size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

std::wstring Trim(std::wstring_view text, std::wstring_view characters) {
    return std::wstring(TrimView(text, characters));
}

std::wstring TrimRight(std::wstring_view text, std::wstring_view characters) {
    const size_t last = text.find_last_not_of(characters);
    return last == std::wstring_view::npos ? std::wstring()
                                           : std::wstring(text.substr(0, last + 1));
}

std::wstring FileNameOf(std::wstring_view path) {
    const size_t separator = path.find_last_of(L"\\/");
    return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

} // namespace welldata
