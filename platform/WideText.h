// Small text helpers on wide strings shared by the reader, the loaders and the
// settings lookup.
#pragma once

#include <string>
#include <string_view>

namespace welldata {

wchar_t ToUpperChar(wchar_t c);
wchar_t ToLowerChar(wchar_t c);
std::wstring ToUpper(std::wstring_view text);
std::wstring ToLower(std::wstring_view text);

// Whole-text comparison without regard to case.
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
// Whether `text` contains `needle` without regard to case.
bool ContainsNoCase(std::wstring_view text, std::wstring_view needle);

// Trims the given characters from the ends.
std::wstring_view TrimView(std::wstring_view text, std::wstring_view characters = L" \t\r\n\v\f");
std::wstring Trim(std::wstring_view text, std::wstring_view characters = L" \t\r\n\v\f");
std::wstring TrimRight(std::wstring_view text, std::wstring_view characters = L" \t\r\n\v\f");

// The part of a path after its last "\\" or "/", or the whole path.
std::wstring FileNameOf(std::wstring_view path);

} // namespace welldata
