#include "platform/WideText.h"

#include <algorithm>
#include <cwctype>

namespace welldata {

wchar_t ToUpperChar(wchar_t c) {
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

wchar_t ToLowerChar(wchar_t c) {
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
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
